#include "stats/percentiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "stat_summary_text.h"
#include "stats/count_histogram.h"

namespace {

struct Case {
    const char* label;
    std::vector<int> values;  // in the order they arrive
    StatSummary expected;
};

// Nearest rank x[ceil(p/100 * n)], worked by hand for each n.
const Case cases[] = {
    {"n = 0", {}, none},
    {"n = 1: every percentile is the value", {7}, summary(1, 7, 7, 7, 7, 7, 7)},
    // ranks: p5 ceil(0.1) = 1, median ceil(1) = 1, p95 ceil(1.9) = 2
    {"n = 2", {9, 3}, summary(2, 3, 3, 3, 6, 9, 9)},
    // ranks: p5 ceil(1) = 1 (not 2 from 0.05 * 20 in doubles), median 10, p95 19
    {"n = 20",
     {20, 1, 19, 2, 18, 3, 17, 4, 16, 5, 15, 6, 14, 7, 13, 8, 12, 9, 11, 10},
     summary(20, 1, 1, 10, 10.5, 19, 20)},
    // ranks: p5 ceil(1.05) = 2, median ceil(10.5) = 11, p95 ceil(19.95) = 20
    {"n = 21",
     {11, 21, 1, 20, 2, 19, 3, 18, 4, 17, 5, 16, 6, 15, 7, 14, 8, 13, 9, 12, 10},
     summary(21, 1, 2, 11, 11, 20, 21)},
    {"repeated values", {5, 5, 5, 0}, summary(4, 0, 0, 5, 3.75, 5, 5)},
};

TEST(Percentiles, NearestRankOfValuesAndOfHistogramsAlike) {
    for (const Case& c : cases) {
        std::vector<double> values(c.values.begin(), c.values.end());
        EXPECT_EQ(describe(summarizeValues(values.data(), values.size())), describe(c.expected))
            << c.label;

        CountHistogram<32> histogram;
        for (int value : c.values) {
            histogram.add(value);
        }
        EXPECT_EQ(describe(histogram.summary()), describe(c.expected)) << c.label << ", histogram";
    }
}

// The top-4 histogram counts four times the mean: bin 141 is 35.25 dB-Hz.
TEST(Percentiles, AScaledHistogramGivesQuarters) {
    CountHistogram<397> topFourSums;
    for (int sum : {141, 140, 143}) {
        topFourSums.add(sum);
    }
    EXPECT_EQ(describe(topFourSums.summary(4)),
              describe(summary(3, 35, 35, 35.25, 35.333333, 35.75, 35.75)));
}

// A histogram cleared for a new run forgets the old one's values, even
// those outside the range the new one uses.
TEST(Percentiles, AClearedHistogramStartsAfresh) {
    CountHistogram<64> histogram;
    for (int value : {0, 63, 30}) {
        histogram.add(value);
    }
    EXPECT_EQ(describe(histogram.summary()), describe(summary(3, 0, 0, 30, 31, 63, 63)));
    histogram.clear();
    EXPECT_EQ(describe(histogram.summary()), describe(none));
    for (int value : {12, 10, 11}) {
        histogram.add(value);
    }
    EXPECT_EQ(describe(histogram.summary()), describe(summary(3, 10, 10, 11, 11, 12, 12)));
}

TEST(Percentiles, RanksInWholeNumbers) {
    const struct {
        int percent;
        std::int64_t n;
        std::int64_t rank;
    } ranks[] = {{0, 1, 1},   {0, 50, 1}, {5, 20, 1},        {5, 21, 2},          {50, 1, 1},
                 {50, 2, 1},  {50, 3, 2}, {95, 20, 19},      {95, 21, 20},        {95, 100, 95},
                 {100, 7, 7}, {95, 1, 1}, {5, 131072, 6554}, {95, 131072, 124519}};
    for (const auto& r : ranks) {
        EXPECT_EQ(nearestRank(r.percent, r.n), r.rank) << r.percent << "% of " << r.n;
    }
}

}  // namespace
