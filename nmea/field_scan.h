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

// Any field held in place by scanDecimalIn's rules, out of line.
bool scanAnyDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value);

// The same for a field held in place, not NUL-terminated: the `count` units
// from `units` on. Nearly every such field is one to nine digits and nothing
// else, and is read here without a call: the satellites-in-view parser reads
// four fields a satellite.
inline bool scanDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value) {
    if (count == 0 || count > 9) {
        return scanAnyDecimalIn(units, count, value);
    }
    std::int32_t digits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned digit = static_cast<unsigned>(units[i]) - u'0';
        if (digit > 9) {
            return scanAnyDecimalIn(units, count, value);
        }
        digits = digits * 10 + static_cast<std::int32_t>(digit);
    }
    *value = digits;
    return true;
}

inline std::int32_t scanIntIn(const char16_t* units, std::size_t count) {
    std::int32_t value = 0;
    scanDecimalIn(units, count, &value);
    return value;
}
