// The entries that read the control panel at once: the operator's text and
// the auto-send period.

#include "commands/command_set.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_command_host.h"
#include "test_text.h"

namespace {

struct SendCase {
    const char* label;
    std::u16string field;
    int result;
    std::string written;  // empty: nothing written and nothing shown
};

TEST(CommandSet, SendTextWritesTheFieldOrRefusesItAtOnce) {
    const SendCase cases[] = {
        {"a typed command", units("$PMTK605*31"), 1, "$PMTK605*31\r\n"},
        {"no checksum added", units("@VER"), 1, "@VER\r\n"},
        {"empty field", u"", 1, "\r\n"},
        {"longest line", std::u16string(253, u'x'), 1, std::string(253, 'x') + "\r\n"},
        {"one too long", std::u16string(254, u'x'), 0, ""},
        {"a full field", std::u16string(1022, u'x'), 0, ""},
        {"beyond the field", std::u16string(1500, u'x'), 0, ""},
        {"ended early by a zero low byte", u"$AB\u0100" + std::u16string(1000, u'x'), 1, "$AB\r\n"},
    };
    for (const SendCase& c : cases) {
        auto bench = std::make_unique<CommandBench>();
        bench->host.sendField = c.field;
        EXPECT_EQ(bench->commands.request(Command::sendText, 0), c.result) << c.label;
        bench->host.runToEnd(bench->commands);
        EXPECT_TRUE(bench->commands.idle()) << c.label;
        if (c.written.empty()) {
            EXPECT_TRUE(bench->host.port.empty()) << c.label;
            EXPECT_TRUE(bench->host.panel.empty()) << c.label;
            continue;
        }
        EXPECT_EQ(bench->host.port, (std::vector<PortEvent>{{0, c.written}})) << c.label;
        EXPECT_EQ(bench->host.panel, std::vector<std::string>{"console Send Message\r\n...OK\r\n"})
            << c.label;
    }
}

// The field is read when asked for, not when a waiting text's turn comes.
TEST(CommandSet, WaitingTextKeepsWhatTheFieldHeldWhenAskedFor) {
    auto bench = std::make_unique<CommandBench>();
    bench->commands.request(Command::getVersion, 0);
    bench->host.sendField = u"$FIRST";
    bench->commands.sendText(10);
    bench->host.sendField = u"$SECOND";
    bench->host.runToEnd(bench->commands);
    EXPECT_EQ(bench->host.port.back(), PortEvent(800, "$FIRST\r\n"));
}

struct AutoCase {
    std::u16string mod;
    std::u16string period;
    std::vector<std::string> panel;
};

TEST(CommandSet, AutoStartTakesOffsetAndPeriodAutoStopStops) {
    const std::vector<std::string> noTimer = {"timer stop", "untick auto"};
    const AutoCase cases[] = {
        {u"12", u"2", {"offset 12", "timer 2000"}},
        {u"", u"5", {"timer 5000"}},
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
        EXPECT_TRUE(bench->commands.idle());
    }
    auto bench = std::make_unique<CommandBench>();
    EXPECT_EQ(bench->commands.request(Command::autoStop, 0), 0);
    EXPECT_EQ(bench->host.panel, std::vector<std::string>{"timer stop"});
}

}  // namespace
