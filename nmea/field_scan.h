#pragma once
// Numbers in fields, read as C's "%d" reads them: leading blanks, an optional
// sign, then digits up to the first non-digit. Values beyond a signed 32-bit
// integer saturate at its limits.

#include <cstddef>
#include <cstdint>

// Reads from unit `start` of the field. Returns false, with *value 0, when no
// digit is found there (empty text, a letter, a lone sign, or a start at or
// beyond the field's end).
bool scanDecimal(const char16_t* field, int start, std::int32_t* value);

// As scanDecimal, giving 0 when there is no number.
std::int32_t scanInt(const char16_t* field, int start = 0);

// The same for a field held in place, not NUL-terminated: the `count` units
// from `units` on.
bool scanDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value);
std::int32_t scanIntIn(const char16_t* units, std::size_t count);
