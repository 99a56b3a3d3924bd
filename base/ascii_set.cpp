#include "ascii_set.h"

// Units from 128 up land on the NUL's flag, which no needle asks for.
AsciiSet AsciiSet::ofText(const char16_t* text, std::size_t length) {
    AsciiSet set;
    for (std::size_t i = 0; i < length; ++i) {
        set.present[text[i] < 128 ? text[i] : 0] = true;
    }
    return set;
}

bool AsciiSet::holdsAllOf(const char* ascii) const {
    for (; *ascii != 0; ++ascii) {
        const unsigned char unit = static_cast<unsigned char>(*ascii);
        if (unit >= 128 || !present[unit]) {
            return false;
        }
    }
    return true;
}
