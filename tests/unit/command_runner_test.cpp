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

const std::string vtgOn = "$PSRF103,05,00,01,01*20\r\n";

TEST(CommandRunner, QueuedCommandsStartInOrderWhenTheRunningOneEnds) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    host.sendField = u"$PMTK605*31";
    EXPECT_EQ(bench->commands.request(Command::defaultMode, 0), 1);
    EXPECT_EQ(bench->commands.msUntilNextStep(100), 400);
    EXPECT_EQ(bench->commands.request(Command::getVersion, 100), 1);
    EXPECT_EQ(bench->commands.request(Command::sendText, 100), 1);
    EXPECT_EQ(host.panel.size(), 2u) << "nothing of a waiting command shows before it starts";
    host.runToEnd(bench->commands);

    const std::vector<std::uint32_t> expected = {0,    500,  2500, 3000, 3500, 4000,
                                                 4000, 4200, 4400, 4600, 4800, 4800};
    EXPECT_EQ(timesOf(host.port), expected);
    EXPECT_EQ(host.port[6].second, "@VER\r\n");
    EXPECT_EQ(host.port[11].second, "$PMTK605*31\r\n");
    EXPECT_EQ(bench->commands.msUntilNextStep(host.now), -1);
}

TEST(CommandRunner, QueueKeepsOneCopyOfATextAndRefusesWhenFull) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    CommandSet& commands = bench->commands;
    commands.request(Command::changeBaud, 0);
    for (const char16_t* text : {u"$A", u"$A", u"$A", u"$B", u"$A"}) {
        host.sendField = text;
        EXPECT_EQ(commands.sendText(100), 1);  // the auto-send timer, again and again
    }
    for (int i = 2; i < commandQueueCapacity; ++i) {
        EXPECT_EQ(commands.request(Command::vtgOn, 100), 1) << i;
    }
    EXPECT_EQ(commands.request(Command::vtgOff, 100), 0);
    host.sendField = u"$C";
    EXPECT_EQ(commands.sendText(100), 0);
    host.runToEnd(commands);

    ASSERT_EQ(host.port.size(), 18u + commandQueueCapacity);
    EXPECT_EQ(host.port[18].second, "$A\r\n");
    EXPECT_EQ(host.port[19].second, "$B\r\n");
    EXPECT_EQ(host.port.back(), PortEvent(9000, vtgOn));
}

TEST(CommandRunner, StepsRunLateInOrderButNeverEarlyAcrossTheTickWrap) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    host.now = host.base = 0xFFFFFF00u;
    bench->commands.request(Command::coldStart, host.now);
    for (std::uint32_t step : {199u, 500u, 100u, 1u}) {
        host.now += step;
        bench->commands.poll(host.now);
    }
    EXPECT_EQ(timesOf(host.port), (std::vector<std::uint32_t>{0, 699, 699, 699, 800}));
    EXPECT_EQ(host.port[3].second, "@GCD\r\n");
    EXPECT_TRUE(bench->commands.idle());
}

TEST(CommandRunner, DropAllOrAFailedReopenEndsTheCommand) {
    auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    bench->commands.request(Command::defaultMode, 0);
    bench->commands.request(Command::getVersion, 0);
    bench->commands.poll(host.now = 2700);  // the port is closed for the reopen
    bench->commands.dropAll();
    EXPECT_EQ(bench->commands.msUntilNextStep(host.now), -1);
    bench->commands.poll(host.now = 20000);
    EXPECT_EQ(host.port.back(), PortEvent(2700, "<withdraw>"));
    EXPECT_EQ(bench->commands.request(Command::vtgOn, host.now), 1);  // starts at once
    EXPECT_EQ(host.port.back(), PortEvent(20000, vtgOn));

    // A failed reopen, or a reopened port that cannot be read, drops the rest
    // of its command, not the queue, and says so once.
    for (const bool publishFails : {false, true}) {
        auto failing = std::make_unique<CommandBench>();
        (publishFails ? failing->host.publishResult : failing->host.openResult) = 0;
        failing->commands.request(Command::changeBaud, 0);
        failing->commands.request(Command::vtgOn, 0);
        failing->host.runToEnd(failing->commands);
        const std::vector<PortEvent> tail(failing->host.port.begin() + 3,
                                          failing->host.port.end());
        const std::vector<PortEvent> expected =
            publishFails ? std::vector<PortEvent>{{2000, "<open 5>"},
                                                  {2500, "<publish>"},
                                                  {2500, "<reopen failed>"},
                                                  {2500, vtgOn}}
                         : std::vector<PortEvent>{
                               {2000, "<open 5>"}, {2000, "<reopen failed>"}, {2000, vtgOn}};
        EXPECT_EQ(tail, expected) << publishFails;
    }
}

// A host call may let the program handle a received line, which polls again
// and may ask for a command.
struct ReentrantHost : RecordingCommandHost {
    CommandSet* commands = nullptr;
    int reopenPort(int baudIndex) override {
        commands->poll(now + 5000);
        commands->request(Command::vtgOn, now);
        return RecordingCommandHost::reopenPort(baudIndex);
    }
};

TEST(CommandRunner, APollFromInsideAStepRunsNothing) {
    ReentrantHost host;
    auto state = std::make_unique<ReceiverState>();
    CommandSet commands(host, *state);
    host.commands = &commands;
    commands.request(Command::defaultMode, 0);
    host.runToEnd(commands);
    ASSERT_EQ(host.port.size(), 7u);
    EXPECT_EQ(host.port[3], PortEvent(3000, "<open 7>"));
    EXPECT_EQ(host.port[4], PortEvent(3500, "<publish>"));
    EXPECT_EQ(host.port[6], PortEvent(4000, vtgOn));
}

}  // namespace
