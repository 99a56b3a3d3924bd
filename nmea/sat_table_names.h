#pragma once
// The ten tables' names: the key scripts read (the replay trace, the run
// report) and the label the panel and the summary show.

#include "receiver_state.h"

// "gpsL1" ... "bdsL5", in the tables' order.
const char* satTableKey(int table);
// "GPS L1" ... "BDS L5"; the second-band combined table is "GNS L5".
const char* satTableLabel(int table);
