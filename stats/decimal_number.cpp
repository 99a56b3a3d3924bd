#include "decimal_number.h"

#include <cstdint>

namespace {

constexpr int maxSignificantDigits = 15;

struct DecimalParts {
    bool negative = false;
    std::string_view whole;     // digits before the point, leading zeros removed
    std::string_view fraction;  // digits after it, trailing zeros removed
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return !text.empty();
}

bool splitDecimal(std::string_view text, DecimalParts* parts) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        parts->negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    parts->whole = text.substr(0, point);
    parts->fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (!allDigits(parts->whole) ||
        (point != std::string_view::npos && !allDigits(parts->fraction))) {
        return false;
    }
    while (!parts->whole.empty() && parts->whole[0] == '0') {
        parts->whole.remove_prefix(1);
    }
    while (!parts->fraction.empty() && parts->fraction.back() == '0') {
        parts->fraction.remove_suffix(1);
    }
    return true;
}

// The digits as one whole number; false past maxSignificantDigits, found
// before the next digit could take the number past 64 bits (a text of 24
// units holds up to 23 digits).
bool significand(const DecimalParts& parts, std::int64_t* digits) {
    *digits = 0;
    int significant = 0;
    for (std::string_view part : {parts.whole, parts.fraction}) {
        for (char c : part) {
            significant += (*digits != 0 || c != '0') ? 1 : 0;
            if (significant > maxSignificantDigits) {
                return false;
            }
            *digits = *digits * 10 + (c - '0');
        }
    }
    return true;
}

void writeText(const DecimalParts& parts, bool isZero, char* out) {
    int n = 0;
    if (parts.negative && !isZero) {
        out[n++] = '-';
    }
    if (parts.whole.empty()) {
        out[n++] = '0';
    }
    for (char c : parts.whole) {
        out[n++] = c;
    }
    if (!parts.fraction.empty()) {
        out[n++] = '.';
    }
    for (char c : parts.fraction) {
        out[n++] = c;
    }
    out[n] = 0;
}

}  // namespace

bool parseDecimalNumber(std::string_view text, DecimalNumber* number) {
    DecimalParts parts;
    std::int64_t digits = 0;
    if (text.size() > maxDecimalTextLength || !splitDecimal(text, &parts) ||
        !significand(parts, &digits)) {
        return false;
    }
    // A 15-digit whole number and a power of ten up to 10^22 are exact in a
    // double, so their quotient is the double nearest the text.
    double scale = 1;
    for (std::size_t i = 0; i < parts.fraction.size(); ++i) {
        scale *= 10;
    }
    number->value = static_cast<double>(digits) / scale * (parts.negative ? -1 : 1);
    writeText(parts, digits == 0, number->text);
    return true;
}
