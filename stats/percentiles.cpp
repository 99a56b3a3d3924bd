#include "percentiles.h"

namespace {

struct HistogramTotals {
    std::int64_t n = 0;
    std::uint64_t weightedSum = 0;  // of bin indexes, exact
    int lowest = -1;
    int highest = -1;
};

HistogramTotals totalsOf(const std::uint32_t* counts, int bins) {
    HistogramTotals totals;
    for (int bin = 0; bin < bins; ++bin) {
        if (counts[bin] == 0) {
            continue;
        }
        totals.n += counts[bin];
        totals.weightedSum += static_cast<std::uint64_t>(bin) * counts[bin];
        totals.lowest = totals.lowest < 0 ? bin : totals.lowest;
        totals.highest = bin;
    }
    return totals;
}

// The bin holding the value of the given rank (1-based).
int binOfRank(const std::uint32_t* counts, int bins, std::int64_t rank) {
    std::int64_t seen = 0;
    for (int bin = 0; bin < bins; ++bin) {
        seen += counts[bin];
        if (seen >= rank) {
            return bin;
        }
    }
    return bins - 1;
}

}  // namespace

StatSummary summarizeHistogram(const std::uint32_t* counts, int bins, double scale) {
    const HistogramTotals totals = totalsOf(counts, bins);
    StatSummary s;
    s.n = totals.n;
    if (totals.n == 0) {
        return s;
    }
    auto valueAtRank = [&](int percent) {
        return binOfRank(counts, bins, nearestRank(percent, totals.n)) / scale;
    };
    s.min = totals.lowest / scale;
    s.max = totals.highest / scale;
    s.mean = static_cast<double>(totals.weightedSum) / static_cast<double>(totals.n) / scale;
    s.p5 = valueAtRank(5);
    s.median = valueAtRank(50);
    s.p95 = valueAtRank(95);
    return s;
}
