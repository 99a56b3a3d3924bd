#include "rmc_position.h"

#include <cstdint>

namespace {

// Fraction digits past these are far below a millimetre and are not read.
constexpr int readFractionDigits = 9;

bool isDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

bool wholeDigits(const char16_t* text, int count, int* value) {
    *value = 0;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(text[i])) {
            return false;
        }
        *value = *value * 10 + (text[i] - u'0');
    }
    return true;
}

// Nothing, or "." and at least one digit up to the end; the value below one.
bool minuteFraction(const char16_t* text, double* fraction) {
    *fraction = 0;
    if (*text == 0) {
        return true;
    }
    if (*text != u'.' || !isDigit(text[1])) {
        return false;
    }
    std::int64_t digits = 0, scale = 1;
    int read = 0;
    for (++text; isDigit(*text); ++text) {
        if (read++ < readFractionDigits) {
            digits = digits * 10 + (*text - u'0');
            scale *= 10;
        }
    }
    *fraction = static_cast<double>(digits) / static_cast<double>(scale);
    return *text == 0;
}

// Degrees of `degreeDigits` digits then two of minutes; at most `limit`.
bool angleOf(const char16_t* text, int degreeDigits, int limit, double* degrees) {
    int whole = 0, minutes = 0;
    double fraction = 0;
    if (!wholeDigits(text, degreeDigits, &whole) ||
        !wholeDigits(text + degreeDigits, 2, &minutes) ||
        !minuteFraction(text + degreeDigits + 2, &fraction) || minutes >= 60) {
        return false;
    }
    *degrees = whole + (minutes + fraction) / 60;
    return *degrees <= limit;
}

// +1 or -1 for a field of exactly one of the two letters, 0 otherwise.
int hemisphereSign(const char16_t* field, char16_t positive, char16_t negative) {
    if (field[0] == 0 || field[1] != 0) {
        return 0;
    }
    return field[0] == positive ? 1 : (field[0] == negative ? -1 : 0);
}

}  // namespace

bool parseRmcPosition(const RmcFields& fields, GeoPoint* point) {
    const int latSign = hemisphereSign(fields[4], u'N', u'S');
    const int lonSign = hemisphereSign(fields[6], u'E', u'W');
    double lat = 0, lon = 0;
    if (latSign == 0 || lonSign == 0 || !angleOf(fields[3], 2, 90, &lat) ||
        !angleOf(fields[5], 3, 180, &lon)) {
        return false;
    }
    point->lat = latSign * lat;
    point->lon = lonSign * lon;
    return true;
}
