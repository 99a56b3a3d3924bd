#pragma once

#include "sentence_fields.h"

struct ReceiverState;

// Satellites in view: signal level and sky-plot position per satellite, in the
// table of the talker's constellation and the signal's band. `fields` is room
// to note where the line's fields lie.
void parseGsv(const char16_t* line, GsvFields& fields, ReceiverState& state);
