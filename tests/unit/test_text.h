#pragma once
// Text helpers shared by the unit tests: received lines as UTF-16 units, and
// sentences closed the way a receiver closes them.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// One unit per byte, as the intake widens received bytes.
inline std::u16string units(std::string_view ascii) {
    std::u16string text;
    for (char c : ascii) {
        text.push_back(static_cast<unsigned char>(c));
    }
    return text;
}

// Back to bytes for readable failure messages; every test text is ASCII.
inline std::string narrow(const char16_t* text) {
    std::string bytes;
    for (; *text != 0; ++text) {
        bytes.push_back(static_cast<char>(*text & 0xFF));
    }
    return bytes;
}

// "$GPGSA,..." becomes "$GPGSA,...*hh\r\n" with the XOR of every character
// after the leading '$'.
inline std::string checked(std::string_view body) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < body.size(); ++i) {
        sum ^= static_cast<unsigned char>(body[i]);
    }
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return std::string(body) + tail;
}
