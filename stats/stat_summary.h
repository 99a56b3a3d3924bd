#pragma once
// The statistics of one series as the run report gives them: nearest-rank
// percentiles and the arithmetic mean. Every field but n is empty when n is 0,
// so that nothing is reported as a number that could not be computed.

#include <cstdint>
#include <optional>

struct StatSummary {
    std::int64_t n = 0;
    std::optional<double> min;
    std::optional<double> p5;
    std::optional<double> median;
    std::optional<double> mean;
    std::optional<double> p95;
    std::optional<double> max;
};
