#pragma once
// A NUL-terminated text together with the set of its units, for texts that are
// searched for many needles: a needle with a unit the text lacks is known to
// be absent without reading the text.

#include <cstddef>

#include "ascii_set.h"
#include "text16.h"

// An ASCII needle with its units, worked out where it is declared.
struct AsciiNeedle {
    constexpr explicit AsciiNeedle(const char* ascii)
        : text(ascii), units(AsciiSet::ofAscii(ascii)) {}

    const char* text;
    AsciiSet units;
};

class IndexedText {
public:
    // `length`: the units before the text's NUL.
    IndexedText(const char16_t* text, std::size_t length)
        : units(text), present(AsciiSet::ofText(text, length)) {}

    const char16_t* text() const { return units; }

    // First occurrence of the needle, or nullptr; as findAscii.
    const char16_t* find(const AsciiNeedle& needle) const {
        return present.holdsAll(needle.units) ? findAscii(units, needle.text) : nullptr;
    }
    bool contains(const AsciiNeedle& needle) const { return find(needle) != nullptr; }

private:
    const char16_t* units;
    AsciiSet present;
};
