#pragma once
// Statistics summaries written out whole, for tests that compare them.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "stats/stat_summary.h"

// A summary as one line ("n=2 min=3.000000 ... max=9.000000", "null" where
// empty), so a test compares whole results and a failure shows all of them.
inline std::string describe(const StatSummary& s) {
    std::string text = "n=" + std::to_string(s.n);
    const std::pair<const char*, const std::optional<double>*> fields[] = {
        {"min", &s.min},   {"p5", &s.p5},   {"median", &s.median},
        {"mean", &s.mean}, {"p95", &s.p95}, {"max", &s.max}};
    for (const auto& [name, value] : fields) {
        char number[48] = "null";
        if (value->has_value()) {
            std::snprintf(number, sizeof number, "%.6f", **value);
        }
        text += std::string(" ") + name + "=" + number;
    }
    return text;
}

// Every field of a summary; `none` for n = 0.
inline StatSummary summary(std::int64_t n, double min, double p5, double median, double mean,
                           double p95, double max) {
    return {n, min, p5, median, mean, p95, max};
}

inline const StatSummary none{};
