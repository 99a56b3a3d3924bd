#pragma once
// The field lists of the sentence and reply parsers, sized for the widest
// sentence each one reads.

#include "field_list.h"

using RmcFields = FieldList<13, 64>;
using GsaFields = FieldList<20, 48>;
// More fields than a 1023-unit line can hold (a line of commas has one field
// per unit), so a satellites-in-view line is never cut.
using GsvFields = FieldList<1024, 48>;
using ReplyFields = FieldList<4, 128>;

constexpr int maxLineUnits = 1023;  // a line is at most this many units and a NUL
