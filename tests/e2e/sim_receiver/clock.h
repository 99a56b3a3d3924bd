#pragma once
// Microseconds on the monotonic clock: pacing and the timestamps of received bytes
// must not jump when the wall clock is set.

#include <chrono>
#include <cstdint>

using Micros = std::int64_t;

inline Micros monotonicMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
