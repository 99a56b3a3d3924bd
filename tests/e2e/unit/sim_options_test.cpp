#include "sim_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    int ok;
    SimOptions options;
    std::string error;
};

Parsed parse(std::vector<const char*> args) {
    args.insert(args.begin(), "skyvane-sim-receiver");
    Parsed parsed;
    const char* error = "";
    parsed.ok = parseSimOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                &parsed.options, &error);
    parsed.error = error;
    return parsed;
}

TEST(SimOptions, RecordingWithDefaults) {
    const Parsed parsed = parse({"--link", "/p/com20", "--recording", "r.nmea"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_STREQ(parsed.options.linkPath, "/p/com20");
    EXPECT_STREQ(parsed.options.recordingPath, "r.nmea");
    EXPECT_FALSE(parsed.options.useScenario);
    EXPECT_EQ(parsed.options.pace, PaceKind::baud);
    EXPECT_EQ(parsed.options.baud, 115200);
    EXPECT_EQ(parsed.options.whileClosed, WhileClosed::hold);
    EXPECT_FALSE(parsed.options.loop);
    EXPECT_EQ(parsed.options.family, ReceiverFamily::none);
    for (StartKind kind : allStartKinds) {
        EXPECT_FALSE(parsed.options.starts.ttff.times(kind));
        EXPECT_FALSE(parsed.options.starts.ignored[static_cast<std::size_t>(kind)]);
    }
    EXPECT_EQ(parsed.options.starts.shows, RestartShows::noFix);
}

TEST(SimOptions, HowStartsAreTaken) {
    Parsed parsed = parse({"--link", "l", "--recording", "r", "--family", "pmtk", "--ttff",
                           "cold=31.2,28.9", "--ttff", "hot=1.1", "--ignore-start", "warm",
                           "--ignore-start", "factory", "--restart", "silent", "--ttff-seed", "5"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    StartOptions& starts = parsed.options.starts;
    EXPECT_EQ(starts.ttff.next(StartKind::cold), 31'200'000);
    EXPECT_EQ(starts.ttff.next(StartKind::cold), 28'900'000);
    EXPECT_EQ(starts.ttff.next(StartKind::hot), 1'100'000);
    EXPECT_TRUE(starts.ttff.times(StartKind::warm)) << "drawn from the seed";
    const bool ignored[] = {false, true, false, true};
    for (StartKind kind : allStartKinds) {
        EXPECT_EQ(starts.ignored[static_cast<std::size_t>(kind)],
                  ignored[static_cast<std::size_t>(kind)]);
    }
    EXPECT_EQ(starts.shows, RestartShows::silence);

    parsed = parse({"--link", "l", "--recording", "r", "--never-fix", "--restart", "nofix"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_EQ(parsed.options.starts.ttff.next(StartKind::hot), std::nullopt);
    EXPECT_EQ(parsed.options.starts.shows, RestartShows::noFix);
}

TEST(SimOptions, ScenarioWithPaceLoopAndLogs) {
    const Parsed parsed =
        parse({"--link", "l", "--scenario", "60", "--seed", "9", "--fix-after", "20",
               "--lines-per-second", "12.5", "--loop", "--received", "rx.jsonl", "--sent", "tx.bin",
               "--while-closed", "run", "--open-delay-ms", "0"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_TRUE(parsed.options.useScenario);
    EXPECT_EQ(parsed.options.scenario.seconds, 60);
    EXPECT_EQ(parsed.options.scenario.seed, 9u);
    EXPECT_EQ(parsed.options.scenario.fixAfterSeconds, 20);
    EXPECT_EQ(parsed.options.pace, PaceKind::lines);
    EXPECT_DOUBLE_EQ(parsed.options.linesPerSecond, 12.5);
    EXPECT_TRUE(parsed.options.loop);
    EXPECT_STREQ(parsed.options.receivedPath, "rx.jsonl");
    EXPECT_STREQ(parsed.options.sentPath, "tx.bin");
    EXPECT_EQ(parsed.options.whileClosed, WhileClosed::run);
    EXPECT_EQ(parsed.options.openDelayMs, 0);
}

TEST(SimOptions, TheLastPaceGivenWins) {
    const Parsed parsed =
        parse({"--link", "l", "--recording", "r", "--lines-per-second", "5", "--baud", "921600"});
    ASSERT_EQ(parsed.ok, 1);
    EXPECT_EQ(parsed.options.pace, PaceKind::baud);
    EXPECT_EQ(parsed.options.baud, 921600);
    EXPECT_EQ(parse({"--link", "l", "--recording", "r", "--unpaced"}).options.pace,
              PaceKind::unlimited);
}

TEST(SimOptions, RefusesIncompleteOrContradictoryCommandLines) {
    const std::vector<std::vector<const char*>> bad = {
        {"--recording", "r"},                                     // no link
        {"--link", "l"},                                          // no source
        {"--link", "l", "--recording", "r", "--scenario", "10"},  // two sources
        {"--link", "l", "--recording", "r", "--baud", "0"},       // impossible rate
        {"--link", "l", "--recording", "r", "--baud", "9600x"},   // not a number
        {"--link", "l", "--recording", "r", "--lines-per-second", "-1"},
        {"--link", "l", "--recording", "r", "--while-closed", "wait"},
        {"--link", "l", "--recording", "r", "--open-delay-ms", "-5"},
        {"--link", "l", "--recording"},                 // missing value
        {"--link", "l", "--recording", "r", "--fast"},  // unknown option
        {"--link", "l", "--scenario", "0"},
        {"--link", "l", "--recording", "r", "--family", "sirf"},
        {"--link", "l", "--recording", "r", "--family"},
        {"--link", "l", "--recording", "r", "--ttff", "cold"},
        {"--link", "l", "--recording", "r", "--ttff", "tepid=3"},
        {"--link", "l", "--recording", "r", "--ttff", "cold=3,x"},
        {"--link", "l", "--recording", "r", "--ttff-seed", "-1"},
        {"--link", "l", "--recording", "r", "--ignore-start", "lukewarm"},
        {"--link", "l", "--recording", "r", "--restart", "loud"},
        {"--link", "l", "--recording", "r", "--never-fix", "1"},
    };
    for (const auto& args : bad) {
        const Parsed parsed = parse(args);
        EXPECT_EQ(parsed.ok, 0) << args.size();
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(SimOptions, RefusesALinkPathThatWouldBeCut) {
    const std::string longPath(2000, 'p');
    EXPECT_EQ(parse({"--link", longPath.c_str(), "--recording", "r"}).ok, 0);
}

}  // namespace
