// The entries that act on the control panel at once: the operator's text,
// the auto-send period, and the resets greyed as they are asked for.

#include "commands/command_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "recording_command_host.h"
#include "test_text.h"

namespace {

TEST(CommandSet, SendTextWritesTheFieldOrRefusesItAtOnce) {
    const auto x = [](std::size_t n) { return std::u16string(n, u'x'); };
    const std::pair<std::u16string, std::string> cases[] = {
        {units("$PMTK605*31"), "$PMTK605*31\r\n"},  // no checksum added
        {u"", "\r\n"},
        {x(253), std::string(253, 'x') + "\r\n"},
        {u"$AB\u0100" + x(1000), "$AB\r\n"},  // a zero low byte ends it
        {x(254), ""},                         // empty: refused
        {x(1022), ""},
        {x(1500), ""},
    };
    for (const auto& [field, written] : cases) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.sendField = field;
        EXPECT_EQ(bench->commands.request(Command::sendText, 0), written.empty() ? 0 : 1);
        bench->host.runToEnd(bench->commands);
        const std::vector<PortEvent> port = {{0, written}};
        const std::vector<std::string> panel = {"console Send Message\r\n...OK\r\n"};
        EXPECT_EQ(bench->host.port, written.empty() ? std::vector<PortEvent>{} : port);
        EXPECT_EQ(bench->host.panel, written.empty() ? std::vector<std::string>{} : panel);
    }
    // A waiting text keeps what the field held when it was asked for.
    auto bench = std::make_unique<CommandBench>();
    bench->commands.request(Command::getVersion, 0);
    bench->host.sendField = u"$FIRST";
    bench->commands.sendText(10);
    bench->host.sendField = u"$SECOND";
    bench->host.runToEnd(bench->commands);
    EXPECT_EQ(bench->host.port.back(), PortEvent(800, "$FIRST\r\n"));
}

struct AutoCase {
    std::u16string mod, period;
    std::vector<std::string> panel;
};

TEST(CommandSet, AutoStartTakesOffsetAndPeriodAutoStopStops) {
    const std::vector<std::string> noTimer = {"timer stop", "untick auto"};
    const AutoCase cases[] = {
        {u"12", u"2", {"offset 12", "timer 2000"}},
        {u"abc", u" 7s", {"timer 7000"}},
        {u"-3x", u"", {"offset -3", "timer stop", "untick auto"}},
        {u"", u"0", noTimer},
        {u"", u"-5", noTimer},
        {u"", u"abc", noTimer},
        {u"", u"2147483", {"timer 2147483000"}},
        {u"", u"2147484", {"timer 2147483647"}},
        {u"", u"99999999999999", {"timer 2147483647"}},
    };
    for (const AutoCase& c : cases) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.modField = c.mod;
        bench->host.periodField = c.period;
        EXPECT_EQ(bench->commands.request(Command::autoStart, 0), 0);
        EXPECT_EQ(bench->host.panel, c.panel) << narrow(c.period.c_str());
    }
    auto bench = std::make_unique<CommandBench>();
    EXPECT_EQ(bench->commands.request(Command::autoStop, 0), 0);
    EXPECT_EQ(bench->host.panel, std::vector<std::string>{"timer stop"});
}

// A reset queued behind another command greys its button at once, so it
// cannot be queued twice; one that starts at once greys it as its first step.
TEST(CommandSet, AResetWaitingInTheQueueIsDisabledAsItIsQueued) {
    auto bench = std::make_unique<CommandBench>();
    bench->host.kind = ConnectionKind::port;
    EXPECT_EQ(bench->commands.request(Command::getVersion, 0), 1);
    const std::size_t before = bench->host.panel.size();
    EXPECT_EQ(bench->commands.request(Command::coldStart, 0), 1);
    EXPECT_EQ(bench->commands.request(Command::factoryReset, 0), 1);
    const std::vector<std::string> queued(bench->host.panel.begin() + before,
                                          bench->host.panel.end());
    EXPECT_EQ(queued, (std::vector<std::string>{"disable cold start", "disable factory reset"}));

    auto idle = std::make_unique<CommandBench>();
    idle->host.kind = ConnectionKind::port;
    EXPECT_EQ(idle->commands.request(Command::coldStart, 0), 1);
    EXPECT_EQ(std::count(idle->host.panel.begin(), idle->host.panel.end(), "disable cold start"),
              1);
}

}  // namespace
