#include "nmea/first_fix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "replay_session.h"
#include "test_text.h"

namespace {

TEST(FirstFix, ReportsWholeSecondsOnlyAfterMoreThanThreeSeconds) {
    struct Case {
        std::uint32_t elapsed;
        const char* title;
    };
    const Case cases[] = {
        {0, "Skyvane"},           {3000, "Skyvane"},        {3001, "Skyvane  3 Sec"},
        {3999, "Skyvane  3 Sec"}, {4000, "Skyvane  4 Sec"}, {61500, "Skyvane  61 Sec"},
    };
    for (const Case& c : cases) {
        auto state = std::make_unique<ReceiverState>();
        HeadlessHost host;
        state->ttffStartTick = host.tickCount();
        host.advanceClock(c.elapsed);
        checkFirstFix(*state, host);
        const bool measured = c.elapsed > 3000;
        EXPECT_EQ(narrow(host.title.c_str()), c.title) << c.elapsed;
        EXPECT_EQ(state->ttffDone, measured ? 1 : 0) << c.elapsed;
        EXPECT_EQ(state->ttffStartTick, measured ? 0u : HeadlessHost::clockStart) << c.elapsed;
    }
}

TEST(FirstFix, ElapsedTimeSurvivesTheTickCounterWrapping) {
    auto state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    host.advanceClock(0xFFFFF000u - HeadlessHost::clockStart);
    state->ttffStartTick = host.tickCount();
    host.advanceClock(5000);  // wraps past zero
    checkFirstFix(*state, host);
    EXPECT_EQ(narrow(host.title.c_str()), "Skyvane  5 Sec");
}

TEST(FirstFix, MeasuredOnceUntilTheNextReset) {
    auto state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    state->ttffStartTick = host.tickCount();
    state->ttffDone = 1;
    host.advanceClock(10000);
    checkFirstFix(*state, host);
    EXPECT_EQ(narrow(host.title.c_str()), "Skyvane");
    EXPECT_EQ(state->ttffStartTick, HeadlessHost::clockStart);
}

struct Pipeline {
    explicit Pipeline(std::uint32_t lineMs) : session(std::make_unique<ReplaySession>(lineMs)) {
        session->host.useUtcOffset(0);
    }
    void line(const std::string& text) {
        session->feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), [] {});
    }
    std::string title() const { return narrow(session->host.title.c_str()); }
    std::string time() const { return narrow(session->state.fix.timeText.c_str()); }
    std::unique_ptr<ReplaySession> session;
};

// One line a second: the first line starts the clock, RMC "A" and GSA "3"
// are fix reports, and the line after the measurement re-arms the start.
TEST(FirstFix, MeasuredThroughThePipelineFromTheFirstLine) {
    Pipeline p(1000);
    p.line(checked("$GPGGA,1"));  // tick 2000: starts the measurement
    EXPECT_EQ(p.session->state.ttffStartTick, 2000u);
    EXPECT_EQ(p.session->intake.lastLine().parsed, ParsedSentence::none);
    p.line(checked("$GPRMC,100001,A,,,,,,,010125"));  // 1 s
    p.line(checked("$GPGSA,A,3,,,,,,,,,,,,,,,"));     // 2 s
    p.line(checked("$GPRMC,100003,A,,,,,,,010125"));  // 3 s: not more than three
    p.line(checked("$GPGSA,A,2,,,,,,,,,,,,,,,"));     // 4 s, but only 2D
    p.line(checked("$GPRMC,100005,V,,,,,,,010125"));  // 5 s, no fix
    EXPECT_EQ(p.title(), "Skyvane");
    p.line(checked("$GPGSA,A,3,,,,,,,,,,,,,,,"));  // 6 s
    EXPECT_EQ(p.title(), "Skyvane  6 Sec");
    EXPECT_EQ(p.session->state.ttffStartTick, 0u);

    p.line(checked("$GPRMC,100007,A,,,,,,,010125"));  // re-arms, not parsed
    EXPECT_EQ(p.session->intake.lastLine().parsed, ParsedSentence::none);
    EXPECT_EQ(p.time(), "10:00:05");
    EXPECT_EQ(p.session->state.ttffStartTick, 9000u);

    p.line(checked("$GPRMC,100008,V,,,,,,,010125"));
    EXPECT_EQ(p.time(), "10:00:08");
    EXPECT_EQ(narrow(p.session->state.fix.statusText.c_str()), "No Fix");
    for (int i = 0; i < 10; ++i) {
        p.line(checked("$GPRMC,100009,A,,,,,,,010125"));
    }
    EXPECT_EQ(p.title(), "Skyvane  6 Sec");
}

// A receiver that already has a fix: every line reports it, and the first
// report more than 3000 ms after the first line shows 3 seconds.
TEST(FirstFix, ReceiverWithAFixAtTheStart) {
    Pipeline p(100);
    int lines = 0;
    while (p.title() == "Skyvane" && lines < 100) {
        p.line(checked("$GNRMC,083015.00,A,2502.3456,N,12134.5678,E,0.1,,061226,,,A"));
        ++lines;
    }
    EXPECT_EQ(lines, 32);  // 31 x 100 ms after the first line
    EXPECT_EQ(p.title(), "Skyvane  3 Sec");
}

}  // namespace
