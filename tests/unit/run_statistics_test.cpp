#include "stats/run_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nmea/sat_table_names.h"
#include "stats_run.h"

namespace {

std::string satellitesOf(const RunReport& report) {
    std::string text;
    for (int i = 0; i < report.satellites.count; ++i) {
        const SatelliteReport& s = report.satellites.entries[i];
        text += std::string(satTableKey(s.table)) + " " + std::to_string(s.number) + ": " +
                std::to_string(s.inView) + "/" + std::to_string(s.tracked) + "/" +
                std::to_string(s.used) + " " + describe(s.strength) + "\n";
    }
    return text;
}

std::string signalOf(const SignalReport& signal) {
    return "inView " + describe(signal.inView) + "\ntracked " + describe(signal.tracked) +
           "\nused " + describe(signal.used) + "\ntop4 " + describe(signal.top4);
}

// Two epochs. The first tracks two GPS satellites on L1 and one on L5, with
// a third in view untracked: no table or band has four tracked, so no top-4.
// The second tracks three GPS and one GLONASS on L1: four in band L1 only.
// GPS 5 sits in four tables: its L1 and L5 tables, and the combined talker's
// two, which the GSA marks as used; a table or band counts it used only where
// it is in view.
TEST(RunStatistics, TablesBandsAndSatellitesOverTwoEpochs) {
    StatsRun run;
    run.feed(gsv("$GPGSV", {{5, 40}, {7, 30}, {9, 0}}, "1") + gsv("$GPGSV", {{5, 45}}, "8") +
             checked("$GNGSA,A,3,05,07,,,,,,,,,,,1.0,1.0,1.0,1") + fixRmc("000000.00"));
    run.feed(gsv("$GPGSV", {{5, 40}, {7, 30}, {9, 20}}, "1") + gsv("$GLGSV", {{70, 50}}, "1") +
             checked("$GNGSA,A,3,05,,,,,,,,,,,,1.0,1.0,1.0,1") + fixRmc("000001.00"));
    const RunReport& report = run.build();

    EXPECT_EQ(signalOf(report.signals.tables[gpsL1]),
              signalOf({summary(2, 3, 3, 3, 3, 3, 3), summary(2, 2, 2, 2, 2.5, 3, 3),
                        summary(2, 1, 1, 1, 1.5, 2, 2), none}));
    EXPECT_EQ(signalOf(report.signals.tables[gpsL5]),
              signalOf({summary(2, 0, 0, 0, 0.5, 1, 1), summary(2, 0, 0, 0, 0.5, 1, 1),
                        summary(2, 0, 0, 0, 0.5, 1, 1), none}));
    // Band L1 leaves out gnsL1's used marks, in view nowhere: never more used
    // than in view. Its top-4 is (50 + 40 + 30 + 20) / 4 at the second epoch only.
    EXPECT_EQ(signalOf(report.signals.bands[0]),
              signalOf({summary(2, 3, 3, 3, 3.5, 4, 4), summary(2, 2, 2, 2, 3, 4, 4),
                        summary(2, 1, 1, 1, 1.5, 2, 2), summary(1, 35, 35, 35, 35, 35, 35)}));
    EXPECT_EQ(signalOf(report.signals.bands[1]),
              signalOf({summary(2, 0, 0, 0, 0.5, 1, 1), summary(2, 0, 0, 0, 0.5, 1, 1),
                        summary(2, 0, 0, 0, 0.5, 1, 1), none}));
    EXPECT_EQ(signalOf(report.signals.tables[glsL5]),
              signalOf({summary(2, 0, 0, 0, 0, 0, 0), summary(2, 0, 0, 0, 0, 0, 0),
                        summary(2, 0, 0, 0, 0, 0, 0), none}));

    const std::string expectedSatellites =
        "gpsL1 5: 2/2/2 " + describe(summary(2, 40, 40, 40, 40, 40, 40)) + "\n" +
        "gpsL1 7: 2/2/1 " + describe(summary(2, 30, 30, 30, 30, 30, 30)) + "\n" +
        "gpsL1 9: 2/1/0 " + describe(summary(1, 20, 20, 20, 20, 20, 20)) + "\n" +
        "glsL1 70: 1/1/0 " + describe(summary(1, 50, 50, 50, 50, 50, 50)) + "\n" +
        "gnsL1 5: 0/0/2 " + describe(none) + "\n" +  //
        "gnsL1 7: 0/0/1 " + describe(none) + "\n" +  //
        "gpsL5 5: 1/1/2 " + describe(summary(1, 45, 45, 45, 45, 45, 45)) + "\n" +
        "gpsL5 7: 0/0/1 " + describe(none) + "\n" +  //
        "gnsL5 5: 0/0/2 " + describe(none) + "\n" +  //
        "gnsL5 7: 0/0/1 " + describe(none) + "\n";
    EXPECT_EQ(satellitesOf(report), expectedSatellites);
    EXPECT_EQ(report.epochs.count, 2);
    EXPECT_EQ(report.epochs.fix, 2);
}

// A strength beyond NMEA's two digits counts as 99 and is counted; a
// negative one is not tracked.
TEST(RunStatistics, HostileStrengthsAreClampedOrNotTracked) {
    StatsRun run;
    run.feed(gsv("$GPGSV", {{1, 100000}, {2, 40}, {3, 41}, {4, -5}, {6, 42}}, "1") +
             fixRmc("120000"));
    const RunReport& report = run.build();
    // (99 + 42 + 41 + 40) / 4
    EXPECT_EQ(describe(report.signals.tables[gpsL1].top4),
              describe(summary(1, 55.5, 55.5, 55.5, 55.5, 55.5, 55.5)));
    EXPECT_EQ(describe(report.signals.tables[gpsL1].tracked),
              describe(summary(1, 4, 4, 4, 4, 4, 4)));
    EXPECT_EQ(describe(report.satellites.entries[0].strength),
              describe(summary(1, 99, 99, 99, 99, 99, 99)));
    EXPECT_EQ(report.satellites.entries[3].tracked, 0);  // number 4, strength -5
    EXPECT_EQ(report.bounds.strengthsClamped, 1u);
}

struct TimedSample {
    const char* time;
    const char* status;
};

EpochsReport epochsOf(const std::vector<TimedSample>& samples, FirstFixReport* firstFix) {
    StatsRun run;
    for (const TimedSample& sample : samples) {
        run.feed(sample.status[0] == 'A' ? fixRmc(sample.time) : rmc(sample.time, sample.status));
    }
    const RunReport& report = run.build();
    *firstFix = report.firstFix;
    return report.epochs;
}

std::string describe(const EpochsReport& e) {
    auto text = [](const auto& value) {
        return value ? std::to_string(*value) : std::string("null");
    };
    return "count=" + std::to_string(e.count) + " fix=" + std::to_string(e.fix) +
           " availability=" + text(e.fixAvailability) + " median=" + text(e.intervalMedianMs) +
           " gaps=" + std::to_string(e.gaps) + " backwards=" + std::to_string(e.backwards) +
           " span=" + text(e.spanMs);
}

std::string describe(const FirstFixReport& f) {
    auto text = [](const auto& value) {
        return value ? std::to_string(*value) : std::string("null");
    };
    return "ms=" + text(f.ms) + " epochs=" + text(f.epochs) + " receiverMs=" + text(f.receiverMs);
}

TEST(RunStatistics, IntervalsAcrossMidnightBackwardsAndAGap) {
    struct Case {
        const char* label;
        std::vector<TimedSample> samples;
        EpochsReport expected;
        FirstFixReport firstFix;
    };
    const Case cases[] = {
        // Intervals 1000, 1000 (midnight: -86,399,000 + 86,400,000), 1000, then
        // from 00:00:01 past the sample without a time: -500 (".5" is 500 ms),
        // then 3000, a gap above 1.5 times the median 1000.
        {"midnight, a sample without time, backwards, a gap",
         {{"235958.00", "V"},
          {"235959.00", "V"},
          {"000000.00", "V"},
          {"000001.00", "V"},
          {"12345", "V"},
          {"000000.5", "V"},
          {"000003.50", "V"}},
         {7, 0, 0.0, 1000, 1, 1, 5500},
         {}},
        {"the first fix after samples without a time: the receiver's time from 00:00:01",
         {{"", "V"}, {"000001", "V"}, {"000002", "V"}, {"000003.000", "A"}, {"000004", "A"}},
         {5, 2, 0.4, 1000, 0, 0, 3000},
         {std::nullopt, 3, 2000}},
        {"a first fix without an interval before it has no receiver time",
         {{"", "V"}, {"083000", "A"}, {"083001", "A"}},
         {3, 2, 2.0 / 3, 1000, 0, 0, 1000},
         {std::nullopt, 1, std::nullopt}},
        {"no time at all",
         {{"", "V"}, {"2400", "V"}, {"240000", "V"}, {"236000", "V"}, {"000000.", "V"}},
         {5, 0, 0.0, std::nullopt, 0, 0, std::nullopt},
         {}},
        {"no sample", {}, {0, 0, std::nullopt, std::nullopt, 0, 0, std::nullopt}, {}},
    };
    for (const Case& c : cases) {
        FirstFixReport firstFix;
        EXPECT_EQ(describe(epochsOf(c.samples, &firstFix)), describe(c.expected)) << c.label;
        EXPECT_EQ(describe(firstFix), describe(c.firstFix)) << c.label;
    }
}

}  // namespace
