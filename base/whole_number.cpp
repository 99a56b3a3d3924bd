#include "whole_number.h"

#include <cstring>

namespace {
// Far beyond any limit asked for, and far from overflowing while digits add up.
constexpr std::int64_t magnitudeCeiling = std::int64_t{1} << 62;
}  // namespace

bool parseWholeNumber(const char* begin, const char* end, std::int64_t lowest, std::int64_t highest,
                      std::int64_t* value) {
    const bool negative = begin < end && *begin == '-';
    if (begin < end && (*begin == '-' || *begin == '+')) {
        ++begin;
    }
    if (begin == end) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (const char* digit = begin; digit < end; ++digit) {
        if (*digit < '0' || *digit > '9' || magnitude >= magnitudeCeiling / 10) {
            return false;
        }
        magnitude = magnitude * 10 + (*digit - '0');
    }
    const std::int64_t parsed = negative ? -magnitude : magnitude;
    if (parsed < lowest || parsed > highest) {
        return false;
    }
    *value = parsed;
    return true;
}

bool parseWholeNumber(const char* text, std::int64_t lowest, std::int64_t highest,
                      std::int64_t* value) {
    return text != nullptr &&
           parseWholeNumber(text, text + std::strlen(text), lowest, highest, value);
}
