#pragma once

#include <cstdint>
#include <initializer_list>

namespace skyvane::scenario {

// Every "random" choice in a scenario is a hash of what it describes (seed, satellite,
// second, ...) rather than the next draw of a shared stream. A value then depends only on
// its own key, so adding a sentence or reordering the work never changes other values.
// The mixer is splitmix64's finaliser: our own code, so every platform gives the same bits.
std::uint64_t mixKey(std::initializer_list<std::uint64_t> parts);

// Maps a mixed key onto lo..hi, both included.
int pickInRange(std::uint64_t key, int lo, int hi);

}  // namespace skyvane::scenario
