// Every command's bytes and port actions, time for time after its start.

#include "commands/command_sequences.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_command_host.h"

namespace {

const std::string cfgRst = bytesOf(cfgRstFrame);
const std::string resetA0A2 = bytesOf(resetFrameA0A2);

struct Case {
    Command command;
    std::vector<PortEvent> expected;
};

// One baud-change pass, from its start.
std::vector<PortEvent> pass(std::uint32_t at, const std::string& rateSentence) {
    return {{at, rateSentence},      {at + 500, "$PAIR023*3B\r\n"}, {at + 1500, "<close>"},
            {at + 2000, "<open 5>"}, {at + 2500, "<publish>"},      {at + 3000, "<purge>"}};
}

std::vector<PortEvent> threePasses(const std::string& rateSentence) {
    std::vector<PortEvent> all;
    for (std::uint32_t at : {0u, 3000u, 6000u}) {
        const auto one = pass(at, rateSentence);
        all.insert(all.end(), one.begin(), one.end());
    }
    return all;
}

TEST(CommandSequences, EachCommandWritesItsBytesAtItsTimes) {
    const Case cases[] = {
        {Command::coldStart,
         {{0, "$PSRF104,0,0,0,96000,237759,1946,12,4*1D\r\n"},
          {200, "$PMTK103*30\r\n"},
          {400, "$PAIR006*3C\r\n"},
          {600, "@GCD\r\n"},
          {800, cfgRst}}},
        {Command::getVersion,
         {{0, "@VER\r\n"},
          {200, "$PMTK605*31\r\n"},
          {400, "$PSRF125*21\r\n"},
          {600, "$PAIR020*38\r\n"},
          {800, bytesOf(monVerPoll)}}},
        // The console text comes at 0, the first write 200 ms later.
        {Command::factoryReset,
         {{200, "$PMTK104*37\r\n"},
          {400, "@GSR\r\n"},
          {600, "$PAIR007*3D\r\n"},
          {800, "$PSRF100,0,9600,8,1,0*0C\r\n"},
          {1400, resetA0A2},
          {1600, resetA0A2},
          {1800, cfgRst}}},
        {Command::powerSaveOn, {{0, "$PSRF150,0,300,1000,1\r\n"}}},
        {Command::powerSaveOff, {{0, "$PSRF150,0,1000,1000,0\r\n"}}},
        {Command::gsvGsaOn,
         {{0, "$PSRF103,02,00,01,01*27\r\n"}, {200, "$PSRF103,03,00,05,01*22\r\n"}}},
        {Command::gsvGsaOff,
         {{0, "$PSRF103,02,00,00,01*26\r\n"}, {0, "$PSRF103,03,00,00,01*27\r\n"}}},
        {Command::vtgOn, {{0, "$PSRF103,05,00,01,01*20\r\n"}}},
        {Command::vtgOff, {{0, "$PSRF103,05,00,00,01*21\r\n"}}},
        {Command::defaultMode,
         {{0, "$PAIR864,0,0,921600*10\r\n"},
          {500, "$PAIR023*3B\r\n"},
          {2500, "<close>"},
          {3000, "<open 7>"},
          {3500, "<publish>"},
          {4000, "<purge>"}}},
        {Command::changeBaud, threePasses("$PAIR864,0,0,115200*1B\r\n")},
    };
    for (const Case& c : cases) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.now = bench->host.base = 50000;
        EXPECT_EQ(bench->commands.request(c.command, bench->host.now), 1);
        bench->host.runToEnd(bench->commands);
        EXPECT_EQ(bench->host.port, c.expected) << static_cast<int>(c.command);
        EXPECT_TRUE(bench->commands.idle());
    }
}

TEST(CommandSequences, ImmediateEffectsComeBeforeTheFirstWrite) {
    struct Effects {
        Command command;
        std::vector<std::string> panel;
        int resetPending;
    };
    const std::string ok = "console $PSRF\r\n...OK\r\n";
    const Effects cases[] = {
        {Command::coldStart, {"disable cold start", "core []", "fw []", "title Skyvane", ok}, 1},
        {Command::factoryReset,
         {"core []", "fw []", "disable factory reset", "title Skyvane", ok},
         1},
        {Command::getVersion, {ok, "core []", "fw []"}, 0},
        {Command::vtgOff, {ok}, 0},
        {Command::defaultMode, {ok, "select 7"}, 0},
        {Command::changeBaud, {ok, "select 5"}, 0},
    };
    for (const Effects& c : cases) {
        auto bench = std::make_unique<CommandBench>();
        ReceiverState& state = bench->state;
        state.tables[gpsL1].records[3].inView = 1;
        state.tables[gpsL5].records[3].inView = 1;
        state.fix.statusText.assignAscii("3D");
        state.ttffDone = 1;
        state.ttffStartTick = 77;
        bench->commands.request(c.command, 0);
        EXPECT_EQ(bench->host.panel, c.panel) << static_cast<int>(c.command);
        EXPECT_EQ(state.resetPending, 0) << "set only after the last write";
        bench->host.runToEnd(bench->commands);
        EXPECT_EQ(state.resetPending, c.resetPending);

        const bool reset = c.command == Command::coldStart || c.command == Command::factoryReset;
        EXPECT_EQ(state.ttffDone, reset ? 0 : 1);
        EXPECT_EQ(state.ttffStartTick, reset ? 0u : 77u);
        EXPECT_EQ(state.fix.statusText.empty(), reset);
        EXPECT_EQ(state.tables[gpsL1].records[3].inView, reset ? 0 : 1);
        EXPECT_EQ(state.tables[gpsL5].records[3].inView,
                  c.command == Command::factoryReset ? 0 : 1);
    }
}

TEST(CommandSequences, MissingRateLeavesOutOnlyWhatNeedsIt) {
    auto bench = std::make_unique<CommandBench>();
    bench->host.baudList = -1;
    bench->commands.request(Command::factoryReset, 0);
    bench->host.runToEnd(bench->commands);
    const std::vector<PortEvent> withoutRate = {{200, "$PMTK104*37\r\n"}, {400, "@GSR\r\n"},
                                                {600, "$PAIR007*3D\r\n"}, {1400, resetA0A2},
                                                {1600, resetA0A2},        {1800, cfgRst}};
    EXPECT_EQ(bench->host.port, withoutRate);
    EXPECT_EQ(bench->state.resetPending, 1);

    for (int position : {-1, 8, 1000}) {
        auto idle = std::make_unique<CommandBench>();
        idle->host.newRate = position;
        EXPECT_EQ(idle->commands.request(Command::changeBaud, 0), 1);
        EXPECT_TRUE(idle->commands.idle());
        EXPECT_TRUE(idle->host.port.empty()) << position;
        EXPECT_TRUE(idle->host.panel.empty()) << position;
    }
}

TEST(CommandSequences, ChangeBaudUsesTheChosenRateAndOtherRatesFormat) {
    const std::pair<int, std::string> rates[] = {{0, "$PAIR864,0,0,4800*10\r\n"},
                                                 {7, "$PAIR864,0,0,921600*10\r\n"}};
    for (const auto& [index, sentence] : rates) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.newRate = index;
        bench->commands.request(Command::changeBaud, 0);
        bench->host.runToEnd(bench->commands);
        ASSERT_EQ(bench->host.port.size(), 18u);
        EXPECT_EQ(bench->host.port[12].second, sentence);
        EXPECT_EQ(bench->host.port[15].second, "<open " + std::to_string(index) + ">");
        EXPECT_EQ(bench->host.baudList, index);
    }
}

TEST(CommandSequences, NothingIsWrittenToAReplayOrWithoutAConnection) {
    for (ConnectionKind kind : {ConnectionKind::replay, ConnectionKind::none}) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.kind = kind;
        bench->commands.request(Command::coldStart, 0);
        bench->commands.request(Command::defaultMode, 0);
        bench->host.runToEnd(bench->commands);
        EXPECT_TRUE(bench->host.writesOnly().empty());
        EXPECT_EQ(bench->state.resetPending, 1);
        // The reopen still happens: it restarts a replay from its beginning.
        const std::vector<PortEvent> reopen = {
            {3300, "<close>"}, {3800, "<open 7>"}, {4300, "<publish>"}, {4800, "<purge>"}};
        EXPECT_EQ(bench->host.port, reopen);
    }
}

}  // namespace
