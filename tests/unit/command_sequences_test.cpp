// Every command's bytes and port actions, time for time after its start, and
// what it changes at once.

#include "commands/command_sequences.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_command_host.h"

namespace {

const std::string cfgRst = bytesOf(cfgRstFrame);
const std::string a0a2 = bytesOf(resetFrameA0A2);
const std::string pair023 = "$PAIR023*3B\r\n";

std::vector<PortEvent> run(Command command, RecordingCommandHost& host) {
    auto state = std::make_unique<ReceiverState>();
    CommandSet commands(host, *state);
    commands.request(command, host.now);
    host.runToEnd(commands);
    return host.port;
}

TEST(CommandSequences, EachCommandWritesItsBytesAtItsTimes) {
    const std::string baud = "$PAIR864,0,0,115200*1B\r\n";
    const std::pair<Command, std::vector<PortEvent>> cases[] = {
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
        {Command::factoryReset,  // the console text at 0, the first write 200 ms later
         {{200, "$PMTK104*37\r\n"},
          {400, "@GSR\r\n"},
          {600, "$PAIR007*3D\r\n"},
          {800, "$PSRF100,0,9600,8,1,0*0C\r\n"},
          {1400, a0a2},
          {1600, a0a2},
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
          {500, pair023},
          {2500, "<withdraw>"},
          {3000, "<open 7>"},
          {3500, "<publish>"},
          {4000, "<purge>"}}},
        {Command::changeBaud,
         {{0, baud},
          {500, pair023},
          {1500, "<withdraw>"},
          {2000, "<open 5>"},
          {2500, "<publish>"},
          {3000, "<purge>"},
          {3000, baud},
          {3500, pair023},
          {4500, "<withdraw>"},
          {5000, "<open 5>"},
          {5500, "<publish>"},
          {6000, "<purge>"},
          {6000, baud},
          {6500, pair023},
          {7500, "<withdraw>"},
          {8000, "<open 5>"},
          {8500, "<publish>"},
          {9000, "<purge>"}}},
    };
    for (const auto& [command, expected] : cases) {
        RecordingCommandHost host;
        host.now = host.base = 50000;
        EXPECT_EQ(run(command, host), expected) << static_cast<int>(command);
    }
}

TEST(CommandSequences, PanelAndStateChangeWhenTheCommandStarts) {
    const std::string ok = "console $PSRF\r\n...OK\r\n";
    const std::pair<Command, std::vector<std::string>> cases[] = {
        {Command::coldStart, {"disable cold start", "core []", "fw []", "title Skyvane", ok}},
        {Command::factoryReset, {"core []", "fw []", "disable factory reset", "title Skyvane", ok}},
        {Command::getVersion, {ok, "core []", "fw []"}},
        {Command::defaultMode, {ok, "select 7"}},
        {Command::changeBaud, {ok, "select 5"}},
    };
    for (const auto& [command, panel] : cases) {
        auto bench = std::make_unique<CommandBench>();
        ReceiverState& state = bench->state;
        state.tables[gpsL1].records[3].inView = state.tables[gpsL5].records[3].inView = 1;
        state.fix.statusText.assignAscii("3D");
        state.ttffDone = 1;
        bench->commands.request(command, 0);
        EXPECT_EQ(bench->host.panel, panel);
        EXPECT_EQ(state.resetPending, 0) << "set only after the last write";
        bench->host.runToEnd(bench->commands);

        const bool reset = command == Command::coldStart || command == Command::factoryReset;
        EXPECT_EQ(state.resetPending, reset ? 1 : 0);
        EXPECT_EQ(state.ttffDone, reset ? 0 : 1);
        EXPECT_EQ(state.fix.statusText.empty(), reset);
        EXPECT_EQ(state.tables[gpsL1].records[3].inView, reset ? 0 : 1);
        EXPECT_EQ(state.tables[gpsL5].records[3].inView, command == Command::factoryReset ? 0 : 1);
    }
}

TEST(CommandSequences, NoRateOrNoPortLeavesOutOnlyWhatNeedsIt) {
    RecordingCommandHost noRate;
    noRate.baudList = -1;
    const std::vector<PortEvent> withoutRate = {{200, "$PMTK104*37\r\n"},
                                                {400, "@GSR\r\n"},
                                                {600, "$PAIR007*3D\r\n"},
                                                {1400, a0a2},
                                                {1600, a0a2},
                                                {1800, cfgRst}};
    EXPECT_EQ(run(Command::factoryReset, noRate), withoutRate);
    for (int position : {-1, 8, 1000}) {
        RecordingCommandHost host;
        host.newRate = position;
        EXPECT_TRUE(run(Command::changeBaud, host).empty());
        EXPECT_TRUE(host.panel.empty());
    }
    // A replay is never written to, but it is still reopened (and so restarts).
    for (ConnectionKind kind : {ConnectionKind::replay, ConnectionKind::none}) {
        RecordingCommandHost host;
        host.kind = kind;
        const std::vector<PortEvent> reopen = {
            {2500, "<withdraw>"}, {3000, "<open 7>"}, {3500, "<publish>"}, {4000, "<purge>"}};
        EXPECT_EQ(run(Command::defaultMode, host), reopen);
        EXPECT_EQ(run(Command::coldStart, host), reopen) << "nothing added";
    }
}

}  // namespace
