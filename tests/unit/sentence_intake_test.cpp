#include "nmea/sentence_intake.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "serial/byte_filter.h"
#include "serial/byte_ring.h"
#include "test_text.h"

namespace {

// The intake as the program drives it: bytes through the reader's filter
// into a 1024-byte ring, then the ring's line handed to the intake.
struct Intake {
    // `started`: the first-fix measurement already runs, so lines are parsed.
    explicit Intake(bool started = true) {
        ring.init(1024);
        host.useUtcOffset(0);
        if (started) {
            state->ttffStartTick = host.tickCount();
        }
    }

    int line(const std::string& text) {
        for (char c : text) {
            filterReceivedByte(ring, static_cast<std::uint8_t>(c));
        }
        host.advanceClock(100);
        host.beginLine();
        std::vector<std::uint8_t> bytes(ring.count());
        ring.pop(bytes.data(), ring.count());
        return intake->onLine(LineBytes{bytes.data(), bytes.size()});
    }

    ParsedSentence parsed() const { return intake->lastLine().parsed; }
    std::string status() const { return narrow(state->fix.statusText.c_str()); }

    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    ByteRing ring;
    std::unique_ptr<SentenceIntake> intake = std::make_unique<SentenceIntake>(*state, host);
};

TEST(SentenceIntake, DispatchesByTheFirstMatchingSubstring) {
    struct Case {
        const char* label;
        std::string line;
        ParsedSentence parsed;
        const char* status;  // what the parser that ran leaves
        int repaints;
    };
    const Case cases[] = {
        {"RMC", checked("$GPRMC,,A"), ParsedSentence::rmc, "3D", 1},
        {"GSA", checked("$GPGSA,A,2"), ParsedSentence::gsa, "2D", 0},
        {"GSV", checked("$GPGSV,1,1,01,05,40,083,46,1"), ParsedSentence::gsv, "", 0},
        {"RMC before GSV", checked("$GPGSV,1,1,01,05,40,083,46,RMC"), ParsedSentence::rmc, "No Fix",
         1},
        {"RMC before GSA", checked("$GPGSA,A,2,RMC"), ParsedSentence::rmc, "No Fix", 1},
        {"GSA before GSV", checked("$GPGSV,A,2,GSA"), ParsedSentence::gsa, "2D", 0},
        {"anywhere in the line", "noise RMC,A\r\n", ParsedSentence::rmc, "No Fix", 1},
        {"bad checksum is parsed all the same", "$GPGSA,A,3*00\r\n", ParsedSentence::gsa, "3D", 0},
        {"GGA is only shown", checked("$GPGGA,083015,2502.3456,N"), ParsedSentence::none, "", 0},
        {"VTG is only shown", checked("$GPVTG,054.7,T"), ParsedSentence::none, "", 0},
        {"case matters", checked("$gprmc,,A"), ParsedSentence::none, "", 0},
    };
    for (const Case& c : cases) {
        Intake intake;
        EXPECT_EQ(intake.line(c.line), 1) << c.label;
        EXPECT_EQ(intake.parsed(), c.parsed) << c.label;
        EXPECT_EQ(intake.status(), c.status) << c.label;
        EXPECT_EQ(intake.host.repaintRequests, c.repaints) << c.label;
        EXPECT_TRUE(intake.intake->lastLine().shown) << c.label;
        EXPECT_EQ(intake.ring.count(), 0u) << c.label;
    }
}

TEST(SentenceIntake, ConsoleColourFromTheChecksumOrTheSpeedAlert) {
    struct Case {
        const char* label;
        bool started;
        std::string line;
        ConsoleColor color;
    };
    const Case cases[] = {
        {"right checksum", true, checked("$GPGGA,1"), ConsoleColor::black},
        {"wrong checksum", true, "$GPGGA,1*4C\r\n", ConsoleColor::red},
        {"no checksum", true, "$GPGGA,1\r\n", ConsoleColor::red},
        {"LF only", true, "$GPGGA,1*4B\n", ConsoleColor::red},
        {"speed alert", true, checked("$GPRMC,,A,,,,,55,"), ConsoleColor::green},
        {"speed alert overrides a wrong checksum", true, "$GPRMC,,A,,,,,55,*00\r\n",
         ConsoleColor::green},
        {"no alert at 100 km/h", true, checked("$GPRMC,,A,,,,,54.9,"), ConsoleColor::black},
        {"an unparsed first line has no alert", false, checked("$GPRMC,,A,,,,,55,"),
         ConsoleColor::black},
    };
    for (const Case& c : cases) {
        Intake intake(c.started);
        intake.host.setConsoleColor(c.color == ConsoleColor::red ? ConsoleColor::black
                                                                 : ConsoleColor::red);
        intake.line(c.line);
        EXPECT_EQ(intake.host.currentColor, c.color) << c.label;
    }
}

// Replies and the checksum come before the busy guard: a dropped line is
// still recognised, coloured and logged, but neither parsed nor shown.
TEST(SentenceIntake, BusyGuardDropsTheLineAfterRepliesAndChecksum) {
    Intake intake;
    intake.state->lineBusy = 1;
    EXPECT_EQ(intake.line(checked("$PMTK705,AXN_2.51,RMC,x")), 0);
    EXPECT_EQ(narrow(intake.host.coreVersion.c_str()), "AXN_2.51");
    EXPECT_EQ(intake.host.currentColor, ConsoleColor::black);
    EXPECT_TRUE(intake.intake->lastLine().checksumOk);
    EXPECT_EQ(intake.parsed(), ParsedSentence::none);
    EXPECT_FALSE(intake.intake->lastLine().shown);
    EXPECT_EQ(intake.host.consoleLines, 1);
    EXPECT_EQ(intake.status(), "");
    EXPECT_EQ(intake.host.repaintRequests, 0);
    EXPECT_EQ(intake.ring.count(), 0u);

    EXPECT_EQ(intake.line("$GPRMC,,A*00\r\n"), 0);
    EXPECT_EQ(intake.host.currentColor, ConsoleColor::red);
    EXPECT_EQ(intake.state->lineBusy, 1);
}

// The first line after a cold start clears the first-band tables and the
// fix texts before anything else, and asks for a repaint.
TEST(SentenceIntake, PendingResetClearsTheFirstBandBeforeTheLineIsParsed) {
    for (bool busy : {false, true}) {
        Intake intake;
        intake.state->tables[gpsL1].records[5].inView = 1;
        intake.state->tables[bdsL1].records[6].usedInFix = 1;
        intake.state->tables[gpsL5].records[5].inView = 1;
        intake.state->fix.hdopText.assignAscii("1.3");
        intake.state->resetPending = 1;
        intake.state->lineBusy = busy ? 1 : 0;
        intake.line(checked("$GPGSV,1,1,01,07,40,083,46,1"));
        EXPECT_EQ(intake.state->resetPending, 0) << busy;
        EXPECT_EQ(intake.host.repaintRequests, 1) << busy;
        EXPECT_EQ(intake.state->tables[gpsL1].records[5].inView, 0) << busy;
        EXPECT_EQ(intake.state->tables[bdsL1].records[6].usedInFix, 0) << busy;
        EXPECT_EQ(intake.state->tables[gpsL5].records[5].inView, 1) << busy;
        EXPECT_EQ(narrow(intake.state->fix.hdopText.c_str()), "") << busy;
        EXPECT_EQ(intake.state->tables[gpsL1].records[7].inView, busy ? 0 : 1) << busy;
    }
}

TEST(SentenceIntake, FirstLineAfterTheStartIsShownButNotParsed) {
    Intake intake(false);
    const std::string rmc = checked("$GPRMC,083015,A,2502.3456,N,12134.5678,E,1,2,061226");
    EXPECT_EQ(intake.line(rmc), 1);
    EXPECT_EQ(intake.parsed(), ParsedSentence::none);
    EXPECT_TRUE(intake.intake->lastLine().shown);
    EXPECT_TRUE(intake.intake->lastLine().checksumOk);
    EXPECT_EQ(intake.host.consoleLines, 2);
    EXPECT_EQ(intake.status(), "");
    EXPECT_EQ(intake.host.repaintRequests, 0);
    EXPECT_EQ(intake.state->ttffStartTick, HeadlessHost::clockStart + 100);

    intake.line(rmc);
    EXPECT_EQ(intake.parsed(), ParsedSentence::rmc);
    EXPECT_EQ(intake.status(), "3D");
}

// The console is emptied before a line when it holds more than 2000 lines,
// so every 2001st line after an emptying is alone in it.
TEST(SentenceIntake, ConsoleIsEmptiedAbove2000Lines) {
    Intake intake;
    std::vector<int> emptiedAt;
    for (int n = 1; n <= 4001; ++n) {
        intake.line("$GPTXT,x\n");  // counted by its line feed
        if (intake.host.consoleCleared) {
            emptiedAt.push_back(n);
            EXPECT_EQ(intake.host.consoleLines, 2) << n;
        }
    }
    EXPECT_EQ(emptiedAt, (std::vector<int>{2001, 4001}));
}

std::vector<std::uint8_t> utf16le(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    for (char c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

std::filesystem::path temporaryLogPath() {
    std::random_device random;
    return std::filesystem::temp_directory_path() /
           ("skyvane_intake_test_" + std::to_string(random()) + "_log.txt");
}

TEST(SentenceIntake, LogsOnlyAcceptedLinesAsUtf16WithByteOrderMark) {
    const std::filesystem::path path = temporaryLogPath();
    const std::string gsa = checked("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
    const std::string rmc = checked("$GPRMC,083015,A,2502.3456,N,12134.5678,E,1,2,061226");
    {
        Intake intake(false);
        ASSERT_EQ(intake.host.openLog(path.string().c_str()), 1);
        intake.line(gsa);  // first line: not parsed, but logged
        intake.line("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*38\r\n");
        intake.line("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\n");
        intake.line("no checksum\r\n");
        intake.state->lineBusy = 1;
        intake.line(rmc);  // dropped by the busy guard, logged all the same
        intake.state->lineBusy = 0;
        intake.line(checked("$GPRMC,,A,,,,,55,"));  // green, logged
    }
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    file.close();
    std::filesystem::remove(path);

    std::vector<std::uint8_t> expected = {0xFF, 0xFE};
    for (const std::string& line : {gsa, rmc, checked("$GPRMC,,A,,,,,55,")}) {
        const std::vector<std::uint8_t> encoded = utf16le(line);
        expected.insert(expected.end(), encoded.begin(), encoded.end());
    }
    EXPECT_EQ(bytes, expected);
}

}  // namespace

namespace {

// However many bytes it is handed, the intake keeps a line's first 1023
// units, and a line ends at its first NUL.
TEST(SentenceIntake, KeepsTheFirstUnitsOfALongLineAndStopsAtANul) {
    Intake intake;
    std::string bytes = "$GPTXT,";
    bytes += std::string(1500, 'x');
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    EXPECT_EQ(intake.intake->onLine(LineBytes{data, bytes.size()}), 1);
    const std::string line = narrow(intake.intake->line());
    EXPECT_EQ(line.size(), 1023u);
    EXPECT_EQ(line.substr(0, 8), "$GPTXT,x");

    const std::string ended("$GPTXT,a\n\0left over", 19);
    EXPECT_EQ(intake.intake->onLine(
                  LineBytes{reinterpret_cast<const std::uint8_t*>(ended.data()), ended.size()}),
              1);
    EXPECT_EQ(narrow(intake.intake->line()), "$GPTXT,a\n");
}

}  // namespace
