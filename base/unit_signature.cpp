#include "unit_signature.h"

// Two units a step, each into a signature of its own: half the loop's count
// and compare, and the two shifts need not wait for each other.
UnitSignature UnitSignature::ofText(const char16_t* text, std::size_t length) {
    UnitSignature even, odd;
    std::size_t i = 0;
    for (; i + 1 < length; i += 2) {
        even.add(text[i]);
        odd.add(text[i + 1]);
    }
    if (i < length) {
        even.add(text[i]);
    }
    even.bits |= odd.bits;
    return even;
}
