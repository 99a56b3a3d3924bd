#include "text16.h"

std::size_t textLength(const char16_t* text, std::size_t limit) {
    std::size_t n = 0;
    while (n < limit && text[n] != 0) {
        ++n;
    }
    return n;
}

std::size_t copyText(char16_t* destination, std::size_t destinationSize, const char16_t* source,
                     std::size_t count) {
    if (destinationSize == 0) {
        return 0;
    }
    std::size_t n = 0;
    while (n + 1 < destinationSize && n < count && source[n] != 0) {
        destination[n] = source[n];
        ++n;
    }
    destination[n] = 0;
    return n;
}

std::size_t widenText(char16_t* destination, std::size_t destinationSize, const char* source) {
    if (destinationSize == 0) {
        return 0;
    }
    std::size_t n = 0;
    while (n + 1 < destinationSize && source[n] != 0) {
        destination[n] = static_cast<unsigned char>(source[n]);
        ++n;
    }
    destination[n] = 0;
    return n;
}

static bool matchesAt(const char16_t* text, const char* needle) {
    for (std::size_t i = 0; needle[i] != 0; ++i) {
        if (text[i] != static_cast<unsigned char>(needle[i])) {
            return false;  // also stops at the text's NUL, which no needle unit equals
        }
    }
    return true;
}

const char16_t* findAscii(const char16_t* text, const char* needle) {
    const char16_t first = static_cast<unsigned char>(needle[0]);
    if (first == 0) {
        return text;
    }
    for (const char16_t* p = text; *p != 0; ++p) {
        if (*p == first && matchesAt(p, needle)) {
            return p;
        }
    }
    return nullptr;
}

bool textEqualsAscii(const char16_t* text, const char* ascii) {
    std::size_t i = 0;
    for (; ascii[i] != 0; ++i) {
        if (text[i] != static_cast<unsigned char>(ascii[i])) {
            return false;
        }
    }
    return text[i] == 0;
}
