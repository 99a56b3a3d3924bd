#pragma once
// The latest values of a run, for the statistics a histogram cannot hold
// (the reference and errors of positions, the median of intervals). Fixed
// storage: past its capacity each new value replaces the oldest, and the
// report says which statistics were computed over that window.

#include <cstddef>
#include <cstdint>

// 2^17 values: an hour at 10 Hz is 36,000 samples, so such a run is never
// windowed; at 10 Hz the window is 3.6 hours, at 1 Hz 36 hours.
constexpr std::size_t sampleWindow = 131072;

template <typename T, std::size_t Capacity = sampleWindow>
class SampleStore {
public:
    void clear() { pushed = 0; }

    void push(const T& value) {
        items[pushed % Capacity] = value;
        ++pushed;
    }

    // Values kept, at most Capacity.
    std::size_t size() const {
        return pushed < Capacity ? static_cast<std::size_t>(pushed) : Capacity;
    }
    // Values pushed since the last clear, kept or not.
    std::uint64_t pushedCount() const { return pushed; }
    std::uint64_t dropped() const { return pushed - size(); }

    // The i-th kept value, oldest first.
    const T& at(std::size_t i) const { return items[(oldest() + i) % Capacity]; }

private:
    std::size_t oldest() const { return pushed <= Capacity ? 0 : pushed % Capacity; }

    T items[Capacity];
    std::uint64_t pushed = 0;
};
