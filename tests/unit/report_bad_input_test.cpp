// Recordings no receiver should send, end to end through the pipeline: a
// report with nulls where nothing can be computed, never a crash, NaN or
// infinity, and JSON that a strict reader takes.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "json_check.h"
#include "stats_run.h"

namespace {

std::string garbage(std::size_t bytes, unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    for (std::size_t i = 0; i < bytes; ++i) {
        text.push_back(static_cast<char>(random() % 256));
    }
    return text;
}

std::string noFixEpochs(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += rmc("", "V") + checked("$GNGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99,1") +
                checked("$GPGSV,1,1,00,1");
    }
    return text;
}

std::string backwardsEpochs(int count) {
    std::string text;
    for (int i = count; i > 0; --i) {
        char time[16];
        std::snprintf(time, sizeof time, "12%02d%02d.00", i / 60 % 60, i % 60);
        text += fixRmc(time);
    }
    return text;
}

std::string outOfRangePositions() {
    std::string text;
    for (const char* lat : {"9100.0000", "8960.0000", "-100.0000", "12.34", "9999.9999"}) {
        text += rmc("120000", "A", lat, "N", "00000.0000", "E");
        text += rmc("120001", "A", "4500.0000", "N", "18100.0000", "E");
        text += rmc("120002", "A", "4500.0000", "X", "00000.0000", "E");
    }
    return text;
}

// 100,000 satellites in GSV sentences of every talker and both bands, with
// numbers in and out of the tables' range and strengths from hostile to
// none, an RMC after every ten sentences.
std::string satelliteNoise() {
    std::mt19937 random(7);
    const char* talkers[] = {"$GPGSV", "$GLGSV", "$GAGSV", "$GBGSV", "$GNGSV", "$BDGSV"};
    std::string text;
    for (int sentence = 0; sentence < 25000; ++sentence) {
        std::vector<std::pair<int, int>> groups;
        for (int g = 0; g < 4; ++g) {
            const int number = static_cast<int>(random() % 300) - 20;
            const int strength = static_cast<int>(random() % 5 == 0 ? random() : random() % 60);
            groups.emplace_back(number, strength);
        }
        text += gsv(talkers[random() % 6], groups, random() % 2 == 0 ? "1" : "8");
        if (sentence % 10 == 9) {
            text += fixRmc("120000");
        }
    }
    return text;
}

void expectSoundJson(StatsRun& run, const char* label) {
    const std::string json = run.json();
    std::string problem;
    EXPECT_TRUE(jsonWellFormed(json, &problem)) << label << ": " << problem;
    for (const char* word : {"nan", "NaN", "inf", "Inf"}) {
        EXPECT_EQ(json.find(word), std::string::npos) << label << ": " << word;
    }
}

TEST(ReportBadInput, GarbageAndEpochsWithoutAFix) {
    StatsRun noise;
    noise.feed(garbage(200000, 1));
    expectSoundJson(noise, "garbage");
    EXPECT_GT(noise.report->lines.total, 100u);
    EXPECT_EQ(noise.report->position.cep50M, std::nullopt);

    StatsRun noFix;
    noFix.feed(noFixEpochs(50));
    expectSoundJson(noFix, "no fix");
    const RunReport& report = *noFix.report;
    EXPECT_EQ(report.epochs.count, 50);
    EXPECT_EQ(report.epochs.fixAvailability, 0.0);
    EXPECT_EQ(report.epochs.intervalMedianMs, std::nullopt);
    EXPECT_EQ(report.epochs.spanMs, std::nullopt);
    EXPECT_EQ(describe(report.signals.bands[0].top4), describe(none));
    EXPECT_EQ(describe(report.signals.bands[0].tracked), describe(summary(50, 0, 0, 0, 0, 0, 0)));
    EXPECT_EQ(report.position.fixes, 0);
    EXPECT_EQ(report.position.reference.lat, std::nullopt);
    EXPECT_EQ(report.position.drms2M, std::nullopt);
    EXPECT_EQ(report.firstFix.epochs, std::nullopt);
    EXPECT_EQ(report.firstFix.receiverMs, std::nullopt);
    EXPECT_EQ(report.firstFix.ms, std::nullopt);
}

TEST(ReportBadInput, TimeGoingBackwardsAndPositionsOutOfRange) {
    StatsRun backwards;
    backwards.feed(backwardsEpochs(30));
    expectSoundJson(backwards, "backwards");
    const EpochsReport& epochs = backwards.report->epochs;
    EXPECT_EQ(epochs.backwards, 29);
    EXPECT_EQ(epochs.intervalMedianMs, -1000);
    EXPECT_EQ(epochs.gaps, 0);  // a step back is no gap
    EXPECT_EQ(epochs.spanMs, -29000);
    EXPECT_EQ(backwards.report->firstFix.epochs, 0);
    EXPECT_EQ(backwards.report->firstFix.receiverMs, std::nullopt);

    StatsRun outOfRange;
    outOfRange.feed(outOfRangePositions());
    expectSoundJson(outOfRange, "positions out of range");
    EXPECT_EQ(outOfRange.report->epochs.fix, 15);
    EXPECT_EQ(outOfRange.report->position.fixes, 0);
    EXPECT_EQ(outOfRange.report->position.cep95M, std::nullopt);
}

TEST(ReportBadInput, AHundredThousandSatellitesOfNoise) {
    StatsRun run;
    run.feed(satelliteNoise());
    expectSoundJson(run, "GSV noise");
    const RunReport& report = *run.report;
    EXPECT_EQ(report.epochs.count, 2500);
    EXPECT_GT(report.satellites.count, 2000);  // most of the 2,550 records
    int tracked = 0;
    for (int i = 0; i < report.satellites.count; ++i) {
        tracked += report.satellites.entries[i].tracked > 0 ? 1 : 0;
    }
    EXPECT_EQ(report.bounds.satellitesPastPool, tracked - strengthPoolSize);
    EXPECT_GT(report.bounds.strengthsClamped, 0u);
    int withPercentiles = 0;
    for (int i = 0; i < report.satellites.count; ++i) {
        const SatelliteReport& s = report.satellites.entries[i];
        withPercentiles += s.strength.median.has_value() ? 1 : 0;
        EXPECT_LE(s.strength.max.value_or(0), maxStrength);
        // Past the pool: count, extremes and mean, but no percentiles.
        EXPECT_EQ(s.strength.mean.has_value(), s.tracked > 0);
    }
    EXPECT_EQ(withPercentiles, strengthPoolSize);
    EXPECT_LE(report.signals.bands[0].top4.max.value_or(0), maxStrength);
}

}  // namespace
