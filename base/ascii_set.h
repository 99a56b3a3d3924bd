#pragma once
// The set of ASCII units a text holds. A needle with a unit the set lacks
// cannot be in the text, which spares most searches of a received line.

#include <cstddef>

class AsciiSet {
public:
    // The first `length` units of the text. Units from 128 up are left out:
    // no ASCII needle can match them.
    static AsciiSet ofText(const char16_t* text, std::size_t length);

    // True when every unit of the NUL-terminated ASCII text is in the set.
    bool holdsAllOf(const char* ascii) const;

private:
    // One flag a unit rather than one bit: setting a flag needs no branch and
    // no read of the set, so building it costs a store a unit.
    bool present[128] = {};
};
