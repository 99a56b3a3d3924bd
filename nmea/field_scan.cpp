#include "field_scan.h"

#include <limits>

static bool isBlank(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

// One comparison: units below '0' wrap round to large values.
static bool isDigit(char16_t unit) {
    return static_cast<unsigned>(unit) - u'0' <= 9u;
}

static bool startsInside(const char16_t* field, int start) {
    if (start < 0) {
        return false;
    }
    for (int i = 0; i < start; ++i) {
        if (field[i] == 0) {
            return false;
        }
    }
    return field[start] != 0;
}

// One past the largest magnitude is enough to know the result saturates.
constexpr std::int64_t magnitudeCap =
    static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;

// Nine digits cannot pass the cap, so the usual short number is read without
// testing it; only longer ones stop growing once past it.
static std::int64_t readMagnitude(const char16_t* digits) {
    std::int64_t magnitude = 0;
    int n = 0;
    for (; n < 9 && isDigit(digits[n]); ++n) {
        magnitude = magnitude * 10 + (digits[n] - u'0');
    }
    for (; isDigit(digits[n]); ++n) {
        if (magnitude < magnitudeCap) {
            magnitude = magnitude * 10 + (digits[n] - u'0');
        }
    }
    return magnitude;
}

static std::int32_t saturated(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

bool scanDecimal(const char16_t* field, int start, std::int32_t* value) {
    *value = 0;
    if (!startsInside(field, start)) {
        return false;
    }
    const char16_t* at = field + start;
    while (isBlank(*at)) {
        ++at;
    }
    const bool negative = *at == u'-';
    if (*at == u'-' || *at == u'+') {
        ++at;
    }
    if (!isDigit(*at)) {
        return false;
    }
    const std::int64_t magnitude = readMagnitude(at);
    *value = saturated(negative ? -magnitude : magnitude);
    return true;
}

std::int32_t scanInt(const char16_t* field, int start) {
    std::int32_t value = 0;
    scanDecimal(field, start, &value);
    return value;
}
