#pragma once
// This computer's local time, and UTC converted to it with its own time-zone rules.

#include "civil_time.h"

// Returns 1 and fills `local`, or 0 when the time cannot be converted.
int machineUtcToLocal(const CivilTime& utc, CivilTime* local);

// Now, to the millisecond.
CivilTime machineLocalNow();
