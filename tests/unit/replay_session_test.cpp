#include "replay_session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "test_text.h"
#include "trace_writer.h"

namespace {

constexpr std::uint32_t lineMs = 700;

void feedText(ReplaySession& session, const std::string& text) {
    session.feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), [] {});
}

std::vector<std::string> traceOf(ReplaySession& session, const std::string& text) {
    std::vector<std::string> trace;
    session.feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), [&] {
        std::string line;
        appendTraceLine(line, {session.lineCount(), session.lastTick(), session.intake,
                               session.host, session.state});
        trace.push_back(line);
    });
    return trace;
}

// Leaves something behind in every part of a session: replies half seen,
// field lists filled to their last field, satellites, a fix and its time, a
// first fix in the title, a console near its limit, a half-received line, an
// odd UTC offset, an open log, and flags the next line would act on.
void dirty(ReplaySession& session, const std::filesystem::path& logPath) {
    session.host.useUtcOffset(7);
    ASSERT_EQ(session.host.openLog(logPath.string().c_str()), 1);
    const std::string lines[] = {
        "$PAIR020,AG3352Q_V2.5.0,F7d5c5e9,S,N\r\n",
        "$PMTK705,AXN_5.1.6_3333,0004,MC-1010\r\n",
        "$PSRF195,GSW3.5.0\r\n",
        "[VER] GNSS 1.0\r\n",
        "WAAS Enable\r\n",
        "ROM CORE 3.01 (107888)\r\n",
        // The first fix report; the line after it only re-arms the start.
        checked("$GNRMC,083015.00,A,2502.34560,N,12134.56780,E,80.0,87.25,061226,,,A,V"),
        checked("$GPTXT,01,01,02,after the first fix"),
        checked("$GNGSA,A,3,05,13,15,18,23,24,25,26,27,28,29,30,1.62,0.94,1.32,1"),
        checked("$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45,1"),
        checked("$GNRMC,083016.00,A,2502.34560,N,12134.56780,E,80.0,87.25,061226,,,A,V"),
    };
    // The console of a new session would be emptied after 2000 lines.
    const int filler = 1995 - static_cast<int>(std::size(lines));
    for (int i = 0; i < filler; ++i) {
        feedText(session, checked("$GPTXT,01,01,02,filler"));
    }
    for (const std::string& line : lines) {
        feedText(session, line);
    }
    feedText(session, "$GPGGA,083016.00,25");
    session.state.lineBusy = 1;
    session.state.resetPending = 1;
}

// Each line shows a leftover as a different trace: an unparsed first line,
// short sentences and replies whose missing fields a kept list would fill,
// and a late fix report for the first-fix title.
std::string replayAfterReset() {
    return checked("$GPTXT,01,01,02,first") + checked("$GNRMC,083015.00,A") +
           checked("$GNGSA,A,3") + checked("$GPGSV,1,1,01,07,40,083,46") + "[VER] Done\r\n" +
           "$PAIR020\r\n" + "$PMTK705\r\n" + "$PSRF195\r\n" +
           checked("$GNRMC,235959.00,A,2502.34560,N,12134.56780,E,1.0,87.25,311226,,,A,V") +
           checked("$GPTXT,01,01,02,last");
}

// The headless console counts line feeds as the rich edit counts lines: every
// one of them, however long the text, and none past the length it is given.
TEST(ReplaySession, TheConsoleCountsEveryLineFeedOfALongText) {
    HeadlessHost host;
    std::u16string text;
    for (int i = 0; i < 70000; ++i) {
        text += u"a\n";
    }
    text += u"\n\n";
    host.appendToConsole(text.c_str(), text.size() - 2);
    EXPECT_EQ(host.consoleLineCount(), 70001);
    host.appendToConsole(u"\nx\n", 3);
    EXPECT_EQ(host.consoleLineCount(), 70003);
}

TEST(ReplaySession, AResetSessionTracesAsANewOne) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path logPath = folder / "skyvane-replay-session-reset.log";
    const std::filesystem::path keptLogPath = folder / "skyvane-replay-session-kept.log";
    auto fresh = std::make_unique<ReplaySession>(lineMs);
    auto used = std::make_unique<ReplaySession>(lineMs);
    dirty(*used, logPath);
    auto unreset = std::make_unique<ReplaySession>(lineMs);
    dirty(*unreset, keptLogPath);

    used->reset();
    const std::uintmax_t loggedBeforeReset = std::filesystem::file_size(logPath);
    EXPECT_GT(loggedBeforeReset, 1000u);
    EXPECT_EQ(used->lineCount(), 0u);
    EXPECT_EQ(used->lastTick(), HeadlessHost::clockStart);
    // What a line sets before anything reads it: no trace shows it.
    const LineReport& report = used->intake.lastLine();
    EXPECT_FALSE(report.checksumOk || report.shown || report.parsed != ParsedSentence::none);
    EXPECT_EQ(narrow(used->intake.line()), "");
    EXPECT_EQ(used->host.currentColor, fresh->host.currentColor);
    EXPECT_EQ(used->host.repaintRequests, fresh->host.repaintRequests);

    const std::vector<std::string> expected = traceOf(*fresh, replayAfterReset());
    ASSERT_EQ(expected.size(), 10u);
    const std::vector<std::string> afterReset = traceOf(*used, replayAfterReset());
    ASSERT_EQ(afterReset.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(afterReset[i], expected[i]) << "line " << i + 1;
    }
    // Without the reset the same lines show what the dirty run left.
    EXPECT_NE(traceOf(*unreset, replayAfterReset()), expected);

    used.reset();  // a log still open would be flushed now
    EXPECT_EQ(std::filesystem::file_size(logPath), loggedBeforeReset);
    unreset.reset();
    std::filesystem::remove(logPath);
    std::filesystem::remove(keptLogPath);
}

}  // namespace
