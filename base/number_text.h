#pragma once
// ASCII text of numbers and literal pieces, built as printf builds it from
// "%.Nd" conversions but without reading a format string: the fix texts are
// rebuilt at every RMC, and vsnprintf cost a few thousand instructions a line.

#include <cstddef>

class NumberText {
public:
    static constexpr std::size_t capacity = 64;  // units, NUL included, as a FixText

    // As printf's "%.{minDigits}lld" for minDigits from 1: a '-' for a negative
    // value, then its digits, zero-padded to at least minDigits.
    NumberText& number(long long value, int minDigits);
    NumberText& text(const char* ascii);

    // What was built, cut after capacity - 1 characters as snprintf cuts.
    const char* c_str() const { return characters; }

private:
    void add(char character);

    char characters[capacity] = {};
    std::size_t length = 0;
};
