#include "stats/limit_evaluation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

LimitSet limitsOf(const std::string& text) {
    LimitSet limits;
    IniError error;
    EXPECT_EQ(parseLimitsText(text.data(), text.size(), "bench.ini", &limits, &error), 1)
        << error.message;
    return limits;
}

TEST(LimitEvaluation, EachKeyAgainstItsNumber) {
    auto report = std::make_unique<RunReport>();
    report->epochs.fixAvailability = 0.95;
    report->signals.bands[0].top4.median = 38.25;
    report->signals.bands[1].top4.median = std::nullopt;  // no L5
    report->signals.bands[0].tracked.median = 12;
    report->position.cep50M = 2.0;
    report->position.cep95M = 5.0001;
    report->lines.checksumBad = 3;
    report->epochs.gaps = 0;
    report->firstFix.receiverMs = 31000;
    report->firstFix.ms = 45000;  // not read: a recording
    const LimitSet limits = limitsOf(
        "[LIMITS]\nFIX_AVAILABILITY_MIN=0.95\nTOP4_L1_MEDIAN_MIN=38.5\nTOP4_L5_MEDIAN_MIN=0\n"
        "TRACKED_L1_MEDIAN_MIN=12\nCEP50_MAX_M=2\nCEP95_MAX_M=5\nCHECKSUM_BAD_MAX=3\nGAPS_MAX=0\n"
        "TTFF_MAX_S=31\n");
    evaluateLimits(&limits, report.get());

    std::string results;
    for (int i = 0; i < report->limitCount; ++i) {
        const LimitResult& r = report->limits[i];
        results += std::string(limitKeyName(r.limit.key)) + " " +
                   (r.value ? std::to_string(*r.value) : "null") + (r.pass ? " pass\n" : " FAIL\n");
    }
    EXPECT_EQ(results,
              "FIX_AVAILABILITY_MIN 0.950000 pass\n"
              "TOP4_L1_MEDIAN_MIN 38.250000 FAIL\n"
              "TOP4_L5_MEDIAN_MIN null FAIL\n"
              "TRACKED_L1_MEDIAN_MIN 12.000000 pass\n"
              "CEP50_MAX_M 2.000000 pass\n"
              "CEP95_MAX_M 5.000100 FAIL\n"
              "CHECKSUM_BAD_MAX 3.000000 pass\n"
              "GAPS_MAX 0.000000 pass\n"
              "TTFF_MAX_S 31.000000 pass\n");
    EXPECT_FALSE(report->pass);

    // Live: the arrival time; a campaign: its p95, and only when every start fixed.
    const LimitSet ttff = limitsOf("[LIMITS]\nTTFF_MAX_S=40\n");
    report->live = true;
    evaluateLimits(&ttff, report.get());
    EXPECT_EQ(report->limits[0].value, 45.0);
    EXPECT_FALSE(report->pass);
    report->hasCampaign = true;
    report->campaign.startCount = 3;
    report->campaign.fixed = 3;
    report->campaign.ttffS.p95 = 39.5;
    evaluateLimits(&ttff, report.get());
    EXPECT_EQ(report->limits[0].value, 39.5);
    EXPECT_TRUE(report->pass);
    report->campaign.fixed = 2;
    evaluateLimits(&ttff, report.get());
    EXPECT_FALSE(report->pass);

    evaluateLimits(nullptr, report.get());
    EXPECT_EQ(report->limitCount, 0);
    EXPECT_TRUE(report->pass);
}

}  // namespace
