#include "prng.h"

namespace skyvane::scenario {

namespace {

std::uint64_t splitMix64(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

}  // namespace

std::uint64_t mixKey(std::initializer_list<std::uint64_t> parts) {
    std::uint64_t state = 0x5CA1AB1E5EEDull;
    for (std::uint64_t part : parts) {
        state = splitMix64(state ^ part);
    }
    return state;
}

int pickInRange(std::uint64_t key, int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return static_cast<int>(lo + static_cast<std::int64_t>(key % span));
}

}  // namespace skyvane::scenario
