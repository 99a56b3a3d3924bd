#include "field_scan.h"

#include <limits>

static bool isBlank(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

static bool isDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
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
    // One past the largest magnitude is enough to know the result saturates.
    const std::int64_t cap =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; isDigit(*at); ++at) {
        if (magnitude < cap) {
            magnitude = magnitude * 10 + (*at - u'0');
        }
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max()) {
        *value = std::numeric_limits<std::int32_t>::max();
    } else if (signedValue < std::numeric_limits<std::int32_t>::min()) {
        *value = std::numeric_limits<std::int32_t>::min();
    } else {
        *value = static_cast<std::int32_t>(signedValue);
    }
    return true;
}

std::int32_t scanInt(const char16_t* field, int start) {
    std::int32_t value = 0;
    scanDecimal(field, start, &value);
    return value;
}
