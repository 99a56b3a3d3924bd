#pragma once
// Numbers as a person writes them in a limits file or on the command line:
// an optional sign, digits, optionally "." and digits; nothing else (no
// exponent, no "inf", no locale). At most 15 significant digits, so the
// value is the double nearest the text, the same on every platform.

#include <string_view>

constexpr int maxDecimalTextLength = 24;

struct DecimalNumber {
    double value = 0;
    // The number as JSON writes it: no "+", no leading or trailing zeros
    // ("+05.50" is "5.5"), and "0" for any zero.
    char text[maxDecimalTextLength + 1] = {};
};

bool parseDecimalNumber(std::string_view text, DecimalNumber* number);
