#pragma once
// An exact histogram of small whole numbers (satellite counts, strength
// sums): fixed storage, no allocation, exact percentiles however long the run.

#include <cstdint>

#include "percentiles.h"

template <int Bins>
class CountHistogram {
public:
    static_assert(Bins > 0, "a histogram needs a bin");

    // A value outside 0 to Bins - 1 is counted in the nearest end bin; the
    // callers' values never are.
    void add(int value) {
        const int bin = value < 0 ? 0 : (value >= Bins ? Bins - 1 : value);
        ++counts[bin];
    }

    void clear() {
        for (std::uint32_t& count : counts) {
            count = 0;
        }
    }

    // Bin i stands for the value i / scale.
    StatSummary summary(double scale = 1) const { return summarizeHistogram(counts, Bins, scale); }

private:
    std::uint32_t counts[Bins] = {};
};
