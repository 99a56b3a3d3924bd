#pragma once
// The field lists of the sentence and reply parsers, sized for the widest
// sentence each one reads.

#include "field_list.h"

constexpr int maxLineUnits = 1023;  // a line is at most this many units and a NUL

using RmcFields = FieldList<13, 64>;
using GsaFields = FieldList<20, 48>;
using ReplyFields = FieldList<4, 128>;

// The satellites-in-view parser reads each field once, in place, so it keeps
// only where the fields lie: room for more than a 1023-unit line can hold (a
// line of commas has one field per unit), so such a line is never cut. A
// field counts with its first 47 units at most, as a 48-unit slot keeps it.
struct GsvFields {
    static constexpr int count = maxLineUnits + 1;
    static constexpr std::uint32_t keptUnits = 47;

    FieldSpan spans[count];
};
