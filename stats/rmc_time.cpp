#include "rmc_time.h"

namespace {

bool isDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

int twoDigits(const char16_t* text) {
    return (text[0] - u'0') * 10 + (text[1] - u'0');
}

// ".", at least one digit, nothing after the digits; the first three are
// milliseconds.
bool parseFraction(const char16_t* text, int* ms) {
    *ms = 0;
    if (*text == 0) {
        return true;
    }
    if (*text != u'.' || !isDigit(text[1])) {
        return false;
    }
    int digits = 0;
    for (++text; isDigit(*text); ++text, ++digits) {
        if (digits < 3) {
            *ms = *ms * 10 + (*text - u'0');
        }
    }
    for (; digits < 3; ++digits) {
        *ms *= 10;
    }
    return *text == 0;
}

}  // namespace

bool parseRmcTime(const char16_t* field, std::int32_t* msOfDay) {
    for (int i = 0; i < 6; ++i) {
        if (!isDigit(field[i])) {
            return false;
        }
    }
    const int hours = twoDigits(field), minutes = twoDigits(field + 2),
              seconds = twoDigits(field + 4);
    int ms = 0;
    if (hours > 23 || minutes > 59 || seconds > 60 || !parseFraction(field + 6, &ms)) {
        return false;
    }
    *msOfDay = ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms;
    return true;
}
