#pragma once
// Nearest-rank percentiles: with x[1..n] sorted ascending, the p-th
// percentile is x[ceil(p/100 * n)], and x[1] for p = 0.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "stat_summary.h"

// In whole numbers: 5 % of 20 is rank 1 exactly, where 0.05 * 20 in doubles
// is a hair above 1 and its ceiling 2.
inline std::int64_t nearestRank(int percent, std::int64_t n) {
    const std::int64_t rank = (percent * n + 99) / 100;
    return rank < 1 ? 1 : rank;
}

// The percentile of values[0..n), n > 0; the values are reordered.
template <typename T>
T percentileOf(T* values, std::size_t n, int percent) {
    const auto index =
        static_cast<std::size_t>(nearestRank(percent, static_cast<std::int64_t>(n)) - 1);
    std::nth_element(values, values + index, values + n);
    return values[index];
}

// Every statistic of values[0..n); the values are reordered. The mean is
// summed in the given order, so the same series gives the same mean anywhere.
template <typename T>
StatSummary summarizeValues(T* values, std::size_t n) {
    StatSummary s;
    s.n = static_cast<std::int64_t>(n);
    if (n == 0) {
        return s;
    }
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += static_cast<double>(values[i]);
    }
    s.mean = sum / static_cast<double>(n);
    s.min = static_cast<double>(*std::min_element(values, values + n));
    s.max = static_cast<double>(*std::max_element(values, values + n));
    s.p5 = static_cast<double>(percentileOf(values, n, 5));
    s.median = static_cast<double>(percentileOf(values, n, 50));
    s.p95 = static_cast<double>(percentileOf(values, n, 95));
    return s;
}

// Every statistic of the values a histogram counted: bin i holds the count of
// the value (firstValue + i) / scale.
StatSummary summarizeHistogram(const std::uint32_t* counts, int bins, double scale,
                               int firstValue = 0);
