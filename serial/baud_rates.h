#pragma once
// The eight line rates, by index. The control panel's rate lists show the same
// rates in the same order, so a list position is an index here.

#include <cstdint>

constexpr int baudRateCount = 8;
extern const std::uint32_t baudRates[baudRateCount];

// A list position that names a rate; -1 (no selection) and anything else do not.
inline bool isBaudIndex(int position) {
    return position >= 0 && position < baudRateCount;
}
