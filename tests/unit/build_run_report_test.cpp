#include "stats/build_run_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "json_check.h"
#include "stats_run.h"

namespace {

std::string timeOfSecond(int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d.00", second / 3600 % 24, second / 60 % 60,
                  second % 60);
    return text;
}

// One sample past the window more than the store holds: the oldest interval
// (a gap) and the oldest positions (a degree away) fall out of it, so the
// windowed median, gaps and position no longer see them; the exact counts
// still do, and the report names what was windowed.
TEST(BuildRunReport, PastTheWindowTheLatestSamplesAreKept) {
    // With no time passing between lines the intake's first fix never comes
    // (it waits three seconds), so no line after it goes unparsed.
    StatsRun run(RunSource::recording, 0);
    const int samples = static_cast<int>(sampleWindow) + 3;
    std::string lines;
    for (int i = 0; i < samples; ++i) {
        const int second = i == 0 ? 0 : i + 4;  // the first interval is 5 s, then 1 s each
        lines += rmc(timeOfSecond(second), "A", i < 3 ? "4600.0000" : "4500.0000", "N",
                     "00700.0000", "E");
        if (lines.size() > (1 << 20)) {
            run.feed(lines);
            lines.clear();
        }
    }
    run.feed(lines);
    const RunReport& report = run.build();

    EXPECT_EQ(report.epochs.count, samples);
    EXPECT_EQ(report.epochs.spanMs, 5000 + 1000LL * (samples - 2));  // every interval
    EXPECT_EQ(report.epochs.intervalMedianMs, 1000);
    EXPECT_EQ(report.epochs.gaps, 0);  // the 5 s gap was the oldest interval
    EXPECT_EQ(report.position.fixes, samples);
    EXPECT_EQ(report.position.reference.lat, 45.0);
    EXPECT_EQ(report.position.cep95M, 0.0);
    EXPECT_EQ(report.position.maxErrorM, 0.0);
    EXPECT_EQ(report.bounds.intervalsDropped, 2u);  // of samples - 1 intervals
    EXPECT_EQ(report.bounds.positionsDropped, 3u);

    std::string json;
    appendReportJson(json, report);
    EXPECT_NE(json.find("\"windowed\": [\"epochs.intervalMedianMs\", \"epochs.gaps\", "
                        "\"position.reference\", \"position.meanEastM\", \"position.meanNorthM\", "
                        "\"position.cep50M\", \"position.cep95M\", \"position.drms2M\", "
                        "\"position.maxErrorM\"]"),
              std::string::npos);
}

// A live run reports the first fix by arrival: 100 ms a line here, from the
// first line (tick 1100) to the first fix report, a GSA of fix type 3 at
// the fourth line. No RMC has fixed, so there is no fix sample yet.
TEST(BuildRunReport, ALiveRunTimesTheFirstFixReportByArrival) {
    StatsRun live(RunSource::live, 100);
    live.feed(rmc("120000", "V") + checked("$GNGSA,A,1,,,,,,,,,,,,,,,,1") +
              checked("$GNGSA,A,3,01,,,,,,,,,,,,,,,1") + fixRmc("120001"));
    const RunReport& report = live.build();
    EXPECT_TRUE(report.live);
    EXPECT_EQ(report.firstFix.ms, 300);
    EXPECT_EQ(report.firstFix.epochs, 1);
    EXPECT_EQ(report.firstFix.receiverMs, 1000);

    // The same lines from a recording: its ticks are made up.
    StatsRun recording(RunSource::recording, 100);
    recording.feed(rmc("120000", "V") + checked("$GNGSA,A,3,01,,,,,,,,,,,,,,,1"));
    EXPECT_FALSE(recording.build().live);
    EXPECT_EQ(recording.build().firstFix.ms, std::nullopt);

    // A new run forgets the last.
    live.statistics->startRun(RunSource::live);
    live.feed(rmc("120002", "V") + checked("$GNRMC,120003,A,,,,,,,,,,A"));
    EXPECT_EQ(live.build().firstFix.ms, 100);
    EXPECT_EQ(live.build().epochs.count, 2);
    EXPECT_EQ(live.build().lines.total, 2u);
}

TEST(BuildRunReport, LinesByChecksumAndType) {
    StatsRun run;  // its first line is a checked $GPTXT
    run.feed(checked("$GPGGA,1") + "$GPGGA,1*00\r\n" + "$GPGGA,1\r\n" + "$GPGGA,1*4B\n" +
             "no dollar\r\n" + "$,empty type\r\n" + "$*\r\n" + checked("$PMTK705,AXN") +
             checked("$ABCDEFGHIJKLMN,long") + checked("$other,1") + checked("$GP\"Q\\,quoted") +
             "*12\r\n");
    const LinesReport& lines = run.build().lines;
    EXPECT_EQ(lines.total, 13u);
    EXPECT_EQ(lines.checksumOk, 6u);      // the $GPTXT and the five checked ones
    EXPECT_EQ(lines.checksumBad, 3u);     // *00, "*12" alone, and one ending in LF alone
    EXPECT_EQ(lines.checksumAbsent, 4u);  // none, no dollar, two short ones
    std::string types;
    for (int i = 0; i < lines.typeCount; ++i) {
        types +=
            narrow(
                std::u16string(lines.byType[i].type.units, lines.byType[i].type.length).c_str()) +
            "=" + std::to_string(lines.byType[i].count) + " ";
    }
    EXPECT_EQ(types, "ABCDEFGHIJ=1 GP\"Q\\=1 GPGGA=4 GPTXT=1 PMTK705=1 ");
    EXPECT_EQ(lines.other, 5u);  // no dollar, two empty types, "$other", "*12"

    std::string json;
    appendReportJson(json, run.build());
    EXPECT_NE(json.find("\"byType\": {\"ABCDEFGHIJ\": 1, \"GP\\\"Q\\\\\": 1, \"GPGGA\": 4, "
                        "\"GPTXT\": 1, \"PMTK705\": 1, \"other\": 5}"),
              std::string::npos)
        << json.substr(0, 400);
}

// A table of 256 types: the 257th type's lines count as other, and are
// counted apart.
TEST(BuildRunReport, TypesPastTheTableCountAsOther) {
    StatsRun run;  // one type already: GPTXT
    std::string lines;
    for (int i = 0; i < 300; ++i) {
        lines += checked("$T" + std::to_string(i) + ",x");
    }
    run.feed(lines + checked("$T5,again"));
    const RunReport& report = run.build();
    EXPECT_EQ(report.lines.typeCount, 256);
    EXPECT_EQ(report.lines.other, 45u);
    EXPECT_EQ(report.bounds.linesPastTypeTable, 45u);
    EXPECT_EQ(report.lines.total, 302u);
}

// What a report of nothing says: counts of zero, nulls for every statistic,
// empty lists, a pass, and JSON that a strict reader takes.
TEST(BuildRunReport, NothingToReport) {
    StatsRun run;
    const RunReport& report = run.build();
    EXPECT_EQ(report.epochs.fixAvailability, std::nullopt);
    EXPECT_EQ(describe(report.signals.bands[0].tracked), describe(none));
    EXPECT_EQ(report.satellites.count, 0);
    EXPECT_TRUE(report.pass);
    std::string json;
    appendReportJson(json, report);
    std::string problem;
    EXPECT_TRUE(jsonWellFormed(json, &problem)) << problem;
    EXPECT_NE(
        json.find("\"epochs\": {\"count\": 0, \"fix\": 0, \"fixAvailability\": null, "
                  "\"intervalMedianMs\": null, \"gaps\": 0, \"backwards\": 0, \"spanMs\": null}"),
        std::string::npos);
    EXPECT_NE(
        json.find("\"position\": {\"fixes\": 0, \"reference\": {\"lat\": null, \"lon\": null, "
                  "\"given\": false}, \"meanEastM\": null, \"meanNorthM\": null, \"cep50M\": "
                  "null, \"cep95M\": null, \"drms2M\": null, \"maxErrorM\": null}"),
        std::string::npos);
    EXPECT_NE(json.find("\"satellites\": [],\n  \"position\""), std::string::npos);
}

}  // namespace
