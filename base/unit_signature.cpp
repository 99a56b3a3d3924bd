#include "unit_signature.h"

UnitSignature UnitSignature::ofText(const char16_t* text, std::size_t length) {
    UnitSignature signature;
    for (std::size_t i = 0; i < length; ++i) {
        signature.add(text[i]);
    }
    return signature;
}
