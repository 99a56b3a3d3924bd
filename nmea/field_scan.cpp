#include "field_scan.h"

#include <limits>

namespace {

bool isBlank(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

bool startsInside(const char16_t* field, int start) {
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

// Where a field ends for the scan. A NUL-terminated field needs no test: its
// NUL is neither a blank, a sign nor a digit, so every step stops there.
struct UpToNul {
    bool holds(const char16_t*) const { return true; }
};

struct UpToEnd {
    const char16_t* end;
    bool holds(const char16_t* at) const { return at < end; }
};

// One past the largest magnitude is enough to know the result saturates.
constexpr std::int64_t magnitudeCap =
    static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;

bool digitAt(const char16_t* at, auto inside) {
    return inside.holds(at) && isDecimalDigit(*at);
}

// Nine digits cannot pass the cap, so the usual short number is read without
// testing it; only longer ones stop growing once past it.
std::int64_t readMagnitude(const char16_t* at, auto inside) {
    std::int64_t magnitude = 0;
    for (int n = 0; n < 9 && digitAt(at, inside); ++n, ++at) {
        magnitude = magnitude * 10 + (*at - u'0');
    }
    for (; digitAt(at, inside); ++at) {
        if (magnitude < magnitudeCap) {
            magnitude = magnitude * 10 + (*at - u'0');
        }
    }
    return magnitude;
}

std::int32_t saturated(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

// Blanks, an optional sign, then digits, from `at` on while `inside` holds.
bool scanNumber(const char16_t* at, auto inside, std::int32_t* value) {
    *value = 0;
    while (inside.holds(at) && isBlank(*at)) {
        ++at;
    }
    if (!inside.holds(at)) {
        return false;
    }
    const bool negative = *at == u'-';
    if (*at == u'-' || *at == u'+') {
        ++at;
    }
    if (!digitAt(at, inside)) {
        return false;
    }
    const std::int64_t magnitude = readMagnitude(at, inside);
    *value = saturated(negative ? -magnitude : magnitude);
    return true;
}

// Most numbers start at the first unit read and have at most nine digits:
// then neither the blank and sign rules nor saturation apply, and the digits
// are all there is to read. Returns false, *value untouched, for any other.
bool readShortDigitRun(const char16_t* at, std::int32_t* value) {
    std::int32_t digits = 0;
    int i = 0;
    for (; i < 9 && isDecimalDigit(at[i]); ++i) {
        digits = digits * 10 + (at[i] - u'0');
    }
    if (i == 0 || isDecimalDigit(at[i])) {
        return false;
    }
    *value = digits;
    return true;
}

}  // namespace

bool scanDecimal(const char16_t* field, int start, std::int32_t* value) {
    if (!startsInside(field, start)) {
        *value = 0;
        return false;
    }
    return readShortDigitRun(field + start, value) || scanNumber(field + start, UpToNul{}, value);
}

std::int32_t scanInt(const char16_t* field, int start) {
    std::int32_t value = 0;
    scanDecimal(field, start, &value);
    return value;
}

bool scanAnyDecimalIn(const char16_t* units, std::size_t count, std::int32_t* value) {
    return scanNumber(units, UpToEnd{units + count}, value);
}
