#include "ascii_set.h"

AsciiSet AsciiSet::ofText(const char16_t* text, std::size_t length) {
    AsciiSet set;
    for (std::size_t i = 0; i < length; ++i) {
        set.add(text[i]);
    }
    return set;
}
