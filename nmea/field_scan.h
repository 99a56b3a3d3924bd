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

inline bool isDecimalDigit(char16_t unit) {
    return static_cast<unsigned>(unit) - u'0' <= 9u;  // units below '0' wrap round
}

// scanDecimalIn's full rules, out of line, for the fields it does not read
// itself.
bool scanAnyDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value);

// The same for a field held in place, not NUL-terminated: the `count` units
// from `units` on. Nearly every such field starts with at most nine digits,
// where neither the blank and sign rules nor saturation apply; those are read
// here without a call, for the satellites-in-view parser reads four fields a
// satellite.
inline bool scanDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value) {
    const std::size_t shortRun = count < 9 ? count : 9;
    std::int32_t digits = 0;
    std::size_t i = 0;
    for (; i < shortRun && isDecimalDigit(units[i]); ++i) {
        digits = digits * 10 + (units[i] - u'0');
    }
    if (i == 0 || (i < count && isDecimalDigit(units[i]))) {  // no digit, or a tenth
        return scanAnyDecimalIn(units, count, value);
    }
    *value = digits;
    return true;
}

inline std::int32_t scanIntIn(const char16_t* units, std::size_t count) {
    std::int32_t value = 0;
    scanDecimalIn(units, count, &value);
    return value;
}
