#pragma once
// The log file: a UTF-16LE byte-order mark, then every accepted sentence as its
// units, CR LF included, two little-endian bytes per unit.

#include <cstddef>
#include <cstdint>

constexpr std::uint8_t logByteOrderMark[2] = {0xFF, 0xFE};

// Writes the units as little-endian bytes into `bytes`, which holds 2 * count.
inline void encodeLogUnits(const char16_t* units, std::size_t count, std::uint8_t* bytes) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(units[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
    }
}
