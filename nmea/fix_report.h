#pragma once
// What a line says of the receiver's fix, read from the line itself: an RMC
// by its status (A: a fix, anything else: none), a GSA by its fix type (2 or
// 3: a fix, 1: none). The intake's own rule picks the sentence: the first of
// "RMC" and "GSA" found anywhere in the line. A line the intake leaves
// unparsed (the one after the title's first fix) counts all the same.

enum class FixReport { none, fix, noFix };

FixReport fixReportOf(const char16_t* line);
