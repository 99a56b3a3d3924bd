#pragma once

#include "field_list.h"

enum class SplitRule {
    // Stops when the unit after a delimiter ends the line or is '*'.
    sentence,
    // Satellites-in-view lines: stops only at the line's end, so an empty field
    // right before '*' or the line end is still a field.
    satellitesInView,
};

// Splits the line at ',', '*' and CR (the line's NUL counts as CR) into at most
// `limit` fields of the list. Returns the number of fields written; the last of
// them is the one that ended the split.
int splitFields(const char16_t* line, FieldListRef list, int limit, SplitRule rule);

// The fields splitFields would copy, by the same rules, found in place: for a
// parser that reads each field once and need not keep it. Writes at most
// `limit` spans; returns their number.
int findFields(const char16_t* line, FieldSpan* spans, int limit, SplitRule rule);
