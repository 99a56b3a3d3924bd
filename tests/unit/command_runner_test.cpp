// The runner: one command at a time, a queue behind it, a clock that may be
// late or wrap, and commands cut short.

#include "commands/command_runner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_command_host.h"

namespace {

std::vector<std::uint32_t> timesOf(const std::vector<PortEvent>& events) {
    std::vector<std::uint32_t> times;
    for (const PortEvent& event : events) {
        times.push_back(event.first);
    }
    return times;
}

TEST(CommandRunner, QueuedCommandsStartInOrderWhenTheRunningOneEnds) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    host.sendField = u"$PMTK605*31";
    EXPECT_EQ(commands.request(Command::defaultMode, 0), 1);
    EXPECT_EQ(commands.msUntilNextStep(0), 500);
    host.now = 100;
    EXPECT_EQ(commands.request(Command::getVersion, host.now), 1);
    EXPECT_EQ(commands.request(Command::sendText, host.now), 1);
    // Nothing of a waiting command shows before it starts.
    EXPECT_EQ(host.panel, (std::vector<std::string>{"console $PSRF\r\n...OK\r\n", "select 7"}));
    host.runToEnd(commands);

    const std::vector<std::uint32_t> expected = {0,    500,  2500, 3000, 3500, 4000,
                                                 4000, 4200, 4400, 4600, 4800, 4800};
    EXPECT_EQ(timesOf(host.port), expected);
    EXPECT_EQ(host.port[6].second, "@VER\r\n");
    EXPECT_EQ(host.port[11].second, "$PMTK605*31\r\n");
    EXPECT_EQ(host.panel.back(), "console Send Message\r\n...OK\r\n");
    EXPECT_EQ(commands.msUntilNextStep(host.now), -1);
}

TEST(CommandRunner, QueueKeepsOneCopyOfATextAndRefusesWhenFull) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    commands.request(Command::changeBaud, 0);
    host.sendField = u"$A";
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(commands.sendText(100), 1);  // the auto-send timer, again and again
    }
    host.sendField = u"$B";
    EXPECT_EQ(commands.sendText(100), 1);
    for (int i = 0; i < commandQueueCapacity - 2; ++i) {
        EXPECT_EQ(commands.request(Command::vtgOn, 100), 1) << i;
    }
    EXPECT_EQ(commands.request(Command::vtgOff, 100), 0);
    host.sendField = u"$C";
    EXPECT_EQ(commands.sendText(100), 0);
    EXPECT_EQ(commands.request(Command::autoStop, 100), 0);  // immediate, never queued
    host.runToEnd(commands);

    std::vector<std::string> writes = host.writesOnly();
    ASSERT_EQ(writes.size(), 6u + 2 + commandQueueCapacity - 2);
    writes.erase(writes.begin(), writes.begin() + 6);
    std::vector<std::string> expected = {"$A\r\n", "$B\r\n"};
    expected.resize(commandQueueCapacity, "$PSRF103,05,00,01,01*20\r\n");
    EXPECT_EQ(writes, expected);
}

TEST(CommandRunner, StepsRunLateInOrderButNeverEarlyAcrossTheTickWrap) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    host.now = host.base = 0xFFFFFF00u;
    commands.request(Command::coldStart, host.now);
    EXPECT_EQ(host.port.size(), 1u);
    host.now += 199;
    commands.poll(host.now);
    EXPECT_EQ(host.port.size(), 1u);
    EXPECT_EQ(commands.msUntilNextStep(host.now), 1);
    host.now += 500;  // past the wrap, three steps late
    commands.poll(host.now);
    EXPECT_EQ(timesOf(host.port), (std::vector<std::uint32_t>{0, 699, 699, 699}));
    EXPECT_EQ(host.port[3].second, "@GCD\r\n");
    EXPECT_EQ(commands.msUntilNextStep(host.now), 101);
    host.now += 101;
    commands.poll(host.now);
    EXPECT_EQ(host.port.back().first, 800u);
    EXPECT_TRUE(commands.idle());
}

TEST(CommandRunner, DropAllEndsTheCommandAndTheQueue) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    commands.request(Command::defaultMode, 0);
    commands.request(Command::getVersion, 0);
    host.now = 2700;  // the port is closed for the reopen
    commands.poll(host.now);
    commands.dropAll();
    EXPECT_EQ(commands.msUntilNextStep(host.now), -1);
    host.now = 20000;
    commands.poll(host.now);
    EXPECT_EQ(host.port.back().second, "<close>");
    EXPECT_EQ(host.port.size(), 3u);

    EXPECT_EQ(commands.request(Command::vtgOn, host.now), 1);  // starts at once again
    EXPECT_EQ(host.port.back(), PortEvent(20000, "$PSRF103,05,00,01,01*20\r\n"));
}

TEST(CommandRunner, FailedReopenDropsTheRestButNotTheQueue) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    host.openResult = 0;
    commands.request(Command::changeBaud, 0);
    commands.request(Command::vtgOff, 0);
    host.runToEnd(commands);
    const std::vector<PortEvent> expected = {{0, "$PAIR864,0,0,115200*1B\r\n"},
                                             {500, "$PAIR023*3B\r\n"},
                                             {1500, "<close>"},
                                             {2000, "<open 5>"},
                                             {2000, "$PSRF103,05,00,00,01*21\r\n"}};
    EXPECT_EQ(host.port, expected);
}

// A host call may let the program handle a received line, which polls again.
struct ReentrantHost : RecordingCommandHost {
    CommandSet* commands = nullptr;
    int openPortAgain(int baudIndex) override {
        commands->poll(now + 5000);
        commands->request(Command::vtgOn, now);
        return RecordingCommandHost::openPortAgain(baudIndex);
    }
};

TEST(CommandRunner, APollFromInsideAStepRunsNothing) {
    ReentrantHost host;
    auto state = std::make_unique<ReceiverState>();
    CommandSet commands(host, *state);
    host.commands = &commands;
    commands.request(Command::defaultMode, 0);
    host.runToEnd(commands);
    const std::vector<std::string> tail = {"<close>", "<open 7>", "<publish>", "<purge>",
                                           "$PSRF103,05,00,01,01*20\r\n"};
    ASSERT_EQ(host.port.size(), 7u);
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(host.port[2 + i].second, tail[i]);
    }
    EXPECT_EQ(host.port[4].first, 3500u);
}

}  // namespace
