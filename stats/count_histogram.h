#pragma once
// An exact histogram of small whole numbers (satellite counts, strength
// sums): fixed storage, no allocation, exact percentiles however long the run.
// It notes the bins it used, so clearing and summing visit only those.

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
        lowest = bin < lowest ? bin : lowest;
        highest = bin > highest ? bin : highest;
    }

    void clear() {
        for (int bin = lowest; bin <= highest; ++bin) {
            counts[bin] = 0;
        }
        lowest = Bins;
        highest = -1;
    }

    // Bin i stands for the value i / scale.
    StatSummary summary(double scale = 1) const {
        if (highest < 0) {
            return StatSummary();
        }
        return summarizeHistogram(counts + lowest, highest - lowest + 1, scale, lowest);
    }

private:
    std::uint32_t counts[Bins] = {};
    int lowest = Bins;  // the bins used lie from lowest to highest
    int highest = -1;
};
