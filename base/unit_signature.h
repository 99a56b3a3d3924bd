#pragma once
// A one-word summary of the units a text holds: every unit sets the bit of its
// value modulo 64. A needle that needs a bit the text's signature lacks cannot
// be in the text, which spares most searches of a received line. The converse
// does not hold (units 64 apart share a bit), so a possible match is still
// searched for.

#include <cstddef>
#include <cstdint>

class UnitSignature {
public:
    constexpr UnitSignature() = default;

    static constexpr UnitSignature ofAscii(const char* text) {
        UnitSignature signature;
        for (; *text != 0; ++text) {
            signature.add(static_cast<unsigned char>(*text));
        }
        return signature;
    }

    // The first `length` units of the text.
    static UnitSignature ofText(const char16_t* text, std::size_t length);

    constexpr bool covers(const UnitSignature& needle) const { return (needle.bits & ~bits) == 0; }

private:
    // A shift and an or: no branch, and no table to clear for every line.
    constexpr void add(unsigned unit) { bits |= std::uint64_t{1} << (unit % 64); }

    std::uint64_t bits = 0;
};
