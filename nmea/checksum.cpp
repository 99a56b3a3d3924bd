#include "checksum.h"

// NMEA writes its checksum digits in upper case; anything else fails the test.
static int upperHexValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    return -1;
}

bool sentenceChecksumOk(const char16_t* line, std::size_t length) {
    if (length < 5 || line[length - 5] != u'*') {
        return false;
    }
    if (line[length - 2] != u'\r' || line[length - 1] != u'\n') {
        return false;
    }
    const int high = upperHexValue(line[length - 4]);
    const int low = upperHexValue(line[length - 3]);
    if (high < 0 || low < 0) {
        return false;
    }
    // Whole units are combined and the high byte dropped once at the end: the
    // same low byte as masking each unit, in a loop compilers run in vector steps.
    char16_t sum = 0;
    for (std::size_t i = 1; i + 5 < length; ++i) {
        sum = static_cast<char16_t>(sum ^ line[i]);
    }
    return (sum & 0xFFu) == static_cast<unsigned>(high * 16 + low);
}
