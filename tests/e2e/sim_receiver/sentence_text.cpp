#include "sentence_text.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "sentence_builder.h"

namespace {

int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

}  // namespace

bool checksumValid(const char* sentence) {
    if (sentence[0] != '$') {
        return false;
    }
    const char* star = std::strchr(sentence, '*');
    if (star == nullptr || std::strlen(star) != 3) {
        return false;
    }
    const int high = hexDigitValue(star[1]);
    const int low = hexDigitValue(star[2]);
    if (high < 0 || low < 0) {
        return false;
    }
    const std::string_view between(sentence + 1, static_cast<std::size_t>(star - sentence - 1));
    return skyvane::scenario::nmeaChecksum(between) == high * 16 + low;
}

std::size_t formatSentence(char* text, std::size_t capacity, const char* body) {
    const std::size_t length = std::strlen(body);
    const std::size_t formatted = length + 5;  // "*HH\r\n"
    if (length < 2 || body[0] != '$' || formatted + 1 > capacity) {
        return 0;
    }
    const unsigned checksum =
        skyvane::scenario::nmeaChecksum(std::string_view(body + 1, length - 1));
    std::snprintf(text, capacity, "%s*%02X\r\n", body, checksum);
    return formatted;
}
