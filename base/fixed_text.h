#pragma once
// Text of at most N - 1 UTF-16 units held in place, always NUL-terminated.
// Every write is bounded: a longer source is cut, never overflowed.

#include <cstdarg>
#include <cstddef>
#include <cstdio>

#include "text16.h"

template <std::size_t N>
class FixedText {
    static_assert(N >= 2, "a FixedText needs room for one unit and its NUL");

public:
    static constexpr std::size_t capacity = N;

    FixedText() { units[0] = 0; }

    void clear() { units[0] = 0; }
    bool empty() const { return units[0] == 0; }
    std::size_t length() const { return textLength(units, N); }
    const char16_t* c_str() const { return units; }
    char16_t* data() { return units; }

    // Copies up to N - 1 units of the NUL-terminated source.
    void assign(const char16_t* source) { copyText(units, N, source); }

    // Copies up to min(count, N - 1) units; the copy also stops at a NUL.
    void assign(const char16_t* source, std::size_t count) { copyText(units, N, source, count); }

    void assignAscii(const char* source) { widenText(units, N, source); }

    // Adds up to the room left of the NUL-terminated source.
    void append(const char16_t* source) {
        const std::size_t at = length();
        copyText(units + at, N - at, source);
    }

    // snprintf into bytes, then widened; all formatted text is ASCII.
    void format(const char* pattern, ...)
#if defined(__GNUC__) || defined(__clang__)
        __attribute__((format(printf, 2, 3)))
#endif
    {
        char narrow[N];
        va_list args;
        va_start(args, pattern);
        std::vsnprintf(narrow, N, pattern, args);
        va_end(args);
        widenText(units, N, narrow);
    }

    bool equalsAscii(const char* ascii) const {
        return textEqualsAscii(units, ascii);
    }

private:
    char16_t units[N];
};
