#pragma once
// A NUL-terminated text together with the signature of its units, for texts
// that are searched for many needles: most needles that are not there are
// known to be absent without reading the text.

#include <cstddef>

#include "text16.h"
#include "unit_signature.h"

// An ASCII needle with its signature, worked out where it is declared.
struct AsciiNeedle {
    constexpr explicit AsciiNeedle(const char* ascii)
        : text(ascii), signature(UnitSignature::ofAscii(ascii)) {}

    const char* text;
    UnitSignature signature;
};

class IndexedText {
public:
    // `length`: the units before the text's NUL.
    IndexedText(const char16_t* text, std::size_t length)
        : units(text), signature(UnitSignature::ofText(text, length)) {}

    const char16_t* text() const { return units; }

    // First occurrence of the needle, or nullptr; as findAscii.
    const char16_t* find(const AsciiNeedle& needle) const {
        return signature.covers(needle.signature) ? findAscii(units, needle.text) : nullptr;
    }
    bool contains(const AsciiNeedle& needle) const { return find(needle) != nullptr; }

private:
    const char16_t* units;
    UnitSignature signature;
};
