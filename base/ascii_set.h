#pragma once
// The set of ASCII units a text holds. A needle with a unit the set lacks
// cannot be in the text, which spares most searches of a received line.

#include <cstddef>
#include <cstdint>

class AsciiSet {
public:
    constexpr AsciiSet() = default;

    static constexpr AsciiSet ofAscii(const char* text) {
        AsciiSet set;
        for (; *text != 0; ++text) {
            set.add(static_cast<unsigned char>(*text));
        }
        return set;
    }

    // The first `length` units of the text. Units from 128 up are left out:
    // no ASCII needle can match them.
    static AsciiSet ofText(const char16_t* text, std::size_t length);

    constexpr bool holdsAll(const AsciiSet& other) const {
        return (other.low & ~low) == 0 && (other.high & ~high) == 0;
    }

private:
    // Branch-free, so that a long line costs a few instructions a unit.
    constexpr void add(unsigned unit) {
        const std::uint64_t bit = std::uint64_t{1} << (unit & 63);
        low |= unit < 64 ? bit : 0;
        high |= unit - 64 < 64 ? bit : 0;
    }

    std::uint64_t low = 0;   // units 0 to 63
    std::uint64_t high = 0;  // units 64 to 127
};
