#include "base64.h"

namespace {

const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Up to three bytes become four characters; missing bytes become padding.
void appendGroup(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t bits = std::uint32_t{bytes[0]} << 16;
    if (count > 1) {
        bits |= std::uint32_t{bytes[1]} << 8;
    }
    if (count > 2) {
        bits |= bytes[2];
    }
    out += alphabet[(bits >> 18) & 0x3F];
    out += alphabet[(bits >> 12) & 0x3F];
    out += count > 1 ? alphabet[(bits >> 6) & 0x3F] : '=';
    out += count > 2 ? alphabet[bits & 0x3F] : '=';
}

}  // namespace

void appendBase64(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; i += 3) {
        appendGroup(out, bytes + i, count - i < 3 ? count - i : 3);
    }
}
