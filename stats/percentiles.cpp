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

// The bins holding the values of the given ascending ranks (1-based), in one pass.
void binsOfRanks(const std::uint32_t* counts, int bins, const std::int64_t (&ranks)[3],
                 int (&found)[3]) {
    std::int64_t seen = 0;
    int next = 0;
    for (int bin = 0; bin < bins && next < 3; ++bin) {
        seen += counts[bin];
        while (next < 3 && seen >= ranks[next]) {
            found[next++] = bin;
        }
    }
}

}  // namespace

StatSummary summarizeHistogram(const std::uint32_t* counts, int bins, double scale,
                               int firstValue) {
    const HistogramTotals totals = totalsOf(counts, bins);
    StatSummary s;
    s.n = totals.n;
    if (totals.n == 0) {
        return s;
    }
    const std::int64_t ranks[3] = {nearestRank(5, totals.n), nearestRank(50, totals.n),
                                   nearestRank(95, totals.n)};
    int found[3] = {};
    binsOfRanks(counts, bins, ranks, found);
    auto value = [&](int bin) { return (firstValue + bin) / scale; };
    s.min = value(totals.lowest);
    s.max = value(totals.highest);
    // The exact sum of the values, so the mean is the same wherever the bins start.
    const std::int64_t valueSum =
        static_cast<std::int64_t>(totals.weightedSum) + std::int64_t{firstValue} * totals.n;
    s.mean = static_cast<double>(valueSum) / static_cast<double>(totals.n) / scale;
    s.p5 = value(found[0]);
    s.median = value(found[1]);
    s.p95 = value(found[2]);
    return s;
}
