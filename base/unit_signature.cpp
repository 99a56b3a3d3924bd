#include "unit_signature.h"

// Four units a step, each into a signature of its own: a quarter of the loop's
// count and compare, and the shifts need not wait for each other.
UnitSignature UnitSignature::ofText(const char16_t* text, std::size_t length) {
    UnitSignature first, second, third, fourth;
    std::size_t i = 0;
    for (; i + 3 < length; i += 4) {
        first.add(text[i]);
        second.add(text[i + 1]);
        third.add(text[i + 2]);
        fourth.add(text[i + 3]);
    }
    for (; i < length; ++i) {
        first.add(text[i]);
    }
    first.bits |= second.bits | third.bits | fourth.bits;
    return first;
}
