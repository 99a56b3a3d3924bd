#pragma once
// A NUL-terminated text together with the set of its units, for texts that are
// searched for many needles: a needle with a unit the text lacks is known to
// be absent without reading the text.

#include <cstddef>

#include "ascii_set.h"
#include "text16.h"

class IndexedText {
public:
    // `length`: the units before the text's NUL.
    IndexedText(const char16_t* text, std::size_t length)
        : units(text), present(AsciiSet::ofText(text, length)) {}

    const char16_t* text() const { return units; }

    // First occurrence of the ASCII needle, or nullptr; as findAscii.
    const char16_t* find(const char* needle) const {
        return present.holdsAllOf(needle) ? findAscii(units, needle) : nullptr;
    }
    bool contains(const char* needle) const { return find(needle) != nullptr; }

private:
    const char16_t* units;
    AsciiSet present;
};
