#pragma once

#include <cstddef>

// True when the line ends in '*', two upper-case hexadecimal digits equal to the
// XOR of the units between the first unit and the '*', then CR LF.
bool sentenceChecksumOk(const char16_t* line, std::size_t length);
