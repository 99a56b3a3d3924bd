#pragma once
// Small bounded helpers for NUL-terminated UTF-16 text.

#include <cstddef>

// Units before the first NUL, at most `limit`.
std::size_t textLength(const char16_t* text, std::size_t limit);

// Copies at most destinationSize - 1 units (and at most `count`), stops at a NUL,
// always terminates. Returns the number of units copied.
std::size_t copyText(char16_t* destination, std::size_t destinationSize, const char16_t* source,
                     std::size_t count = static_cast<std::size_t>(-1));

// Widens ASCII bytes to units, bounded and terminated like copyText.
std::size_t widenText(char16_t* destination, std::size_t destinationSize, const char* source);

// First occurrence of the ASCII needle in the text, or nullptr.
const char16_t* findAscii(const char16_t* text, const char* needle);

inline bool containsAscii(const char16_t* text, const char* needle) {
    return findAscii(text, needle) != nullptr;
}

// True when text and ascii hold the same units up to their NULs.
bool textEqualsAscii(const char16_t* text, const char* ascii);
