#include "serial/byte_filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "filtered_lines.h"
#include "replay_session.h"
#include "serial/byte_ring.h"
#include "test_text.h"

namespace {

TEST(ByteFilter, KeepsCrAndPrintableAsciiOnly) {
    struct Case {
        std::uint8_t byte;
        ReceivedByte result;
        std::vector<std::uint8_t> ring;
    };
    const Case cases[] = {
        {0x0D, ReceivedByte::kept, {0x0D}},          {0x20, ReceivedByte::kept, {0x20}},
        {0x24, ReceivedByte::kept, {0x24}},          {0x7E, ReceivedByte::kept, {0x7E}},
        {0x0A, ReceivedByte::lineEnd, {0x0A, 0x00}}, {0x00, ReceivedByte::dropped, {}},
        {0x09, ReceivedByte::dropped, {}},  // tab
        {0x0B, ReceivedByte::dropped, {}},           {0x0C, ReceivedByte::dropped, {}},
        {0x0E, ReceivedByte::dropped, {}},           {0x1F, ReceivedByte::dropped, {}},
        {0x7F, ReceivedByte::dropped, {}},           {0x80, ReceivedByte::dropped, {}},
        {0xB5, ReceivedByte::dropped, {}},  // UBX sync
        {0xFE, ReceivedByte::dropped, {}},           {0xFF, ReceivedByte::dropped, {}},
    };
    for (const Case& c : cases) {
        ByteRing ring;
        ring.init(16);
        EXPECT_EQ(filterReceivedByte(ring, c.byte), c.result) << int(c.byte);
        EXPECT_EQ(ringContents(ring), c.ring) << int(c.byte);
    }
}

TEST(ByteFilter, AllByteValuesSplitIntoNinetySixKeptOneLineEndAndTheRestDropped) {
    int kept = 0, lineEnds = 0, dropped = 0;
    for (int value = 0; value < 256; ++value) {
        ByteRing ring;
        ring.init(4);
        switch (filterReceivedByte(ring, static_cast<std::uint8_t>(value))) {
            case ReceivedByte::kept:
                ++kept;
                break;
            case ReceivedByte::lineEnd:
                ++lineEnds;
                break;
            case ReceivedByte::dropped:
                ++dropped;
                EXPECT_EQ(ring.count(), 0u) << value;
                break;
        }
    }
    EXPECT_EQ(kept, 96);  // 0x20..0x7E and CR
    EXPECT_EQ(lineEnds, 1);
    EXPECT_EQ(dropped, 159);
}

// A full ring loses what does not fit, but the line still ends.
TEST(ByteFilter, LineFeedOnAFullRingStillEndsTheLine) {
    ByteRing ring;
    ring.init(4);
    for (std::uint8_t byte : {'a', 'b', 'c'}) {
        filterReceivedByte(ring, byte);
    }
    EXPECT_EQ(filterReceivedByte(ring, 0x0A), ReceivedByte::lineEnd);
    EXPECT_EQ(ringContents(ring), (std::vector<std::uint8_t>{'a', 'b', 'c', 0x0A}));
    EXPECT_EQ(filterReceivedByte(ring, 'd'), ReceivedByte::kept);
    EXPECT_EQ(filterReceivedByte(ring, 0x0A), ReceivedByte::lineEnd);
    EXPECT_EQ(ring.count(), 4u);
}

// Spans must lose, keep and end lines exactly as single bytes do, whatever
// the chunking, on rings that fill up mid-run or keep the LF but not the NUL;
// every byte value sits at every place of a printable run once.
TEST(ByteFilter, SpansBehaveExactlyAsSingleBytes) {
    std::mt19937 random(12345);
    const std::string odd("\n\r\0\x1F \x7E\x7F\x80\xFF", 9);
    std::vector<std::uint8_t> noise(6000);
    for (std::uint8_t& byte : noise) {
        byte = static_cast<std::uint8_t>(random() % 4 ? '!' + random() % 90 : odd[random() % 9]);
    }
    std::vector<std::uint8_t> everyPlace;
    for (int value = 0; value < 256 * 17; ++value) {
        std::vector<std::uint8_t> run(20, static_cast<std::uint8_t>('~' - value % 17));
        run[value % 17] = static_cast<std::uint8_t>(value / 17);
        everyPlace.insert(everyPlace.end(), run.begin(), run.end());
    }
    const std::string longLine = std::string(3000, 'x') + "\nshort\r\n\n";
    const std::vector<std::uint8_t> overlong(longLine.begin(), longLine.end());
    for (const std::vector<std::uint8_t>& stream : {noise, everyPlace, overlong}) {
        for (std::uint32_t capacity : {1u, 2u, 3u, 64u, 1024u}) {
            const auto expected = handover(stream, capacity, 0);
            ASSERT_GT(expected.size(), 2u);
            for (std::size_t chunk :
                 {std::size_t{1}, std::size_t{5}, std::size_t{256}, stream.size()}) {
                EXPECT_EQ(handover(stream, capacity, chunk), expected) << capacity << "/" << chunk;
            }
        }
    }
}

std::vector<std::string> replayLines(const std::string& bytes) {
    ReplaySession session(100);
    std::vector<std::string> lines;
    session.feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                 [&] { lines.push_back(narrow(session.intake.line())); });
    return lines;
}

// The log file is UTF-16LE with a byte-order mark; replaying it must give the
// lines the receiver sent.
TEST(ByteFilter, Utf16LogReplaysToTheSameLinesAsItsAsciiText) {
    const std::string ascii =
        checked("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1") + "no checksum here\r\n" +
        checked("$GPRMC,083015.00,A,2502.3456,N,12134.5678,E,12.9,87.25,061226,,,A");
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii) {
        utf16.push_back(c);
        utf16.push_back('\0');
    }
    const std::vector<std::string> expected = {
        "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n",
        "no checksum here\r\n",
        "$GPRMC,083015.00,A,2502.3456,N,12134.5678,E,12.9,87.25,061226,,,A*6A\r\n",
    };
    EXPECT_EQ(replayLines(ascii), expected);
    EXPECT_EQ(replayLines(utf16), expected);
}

TEST(ByteFilter, ControlAndHighBytesVanishFromTheLine) {
    const char raw[] = "$GP\tGGA\x7F,1\x80\xB5\x62,2\x00\r\n";
    EXPECT_EQ(replayLines(std::string(raw, sizeof raw - 1)),
              std::vector<std::string>{"$GPGGA,1b,2\r\n"});
}

TEST(ByteFilter, BytesAfterTheLastLineFeedAreNeverHandedOver) {
    EXPECT_EQ(replayLines("one\r\ntwo"), std::vector<std::string>{"one\r\n"});
}

// The ring holds 1024 bytes: 1022 accepted bytes leave room for LF and NUL;
// longer lines lose their surplus, the LF and the NUL, and the intake keeps
// the first 1023 units.
TEST(ByteFilter, LinesLongerThanTheRingKeepTheirFirst1023Units) {
    struct Case {
        std::size_t accepted;
        std::string expectedLine;
    };
    auto body = [](std::size_t n) {
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text.push_back(static_cast<char>('A' + i % 26));
        }
        return text;
    };
    const Case cases[] = {
        {1021, body(1021) + "\n"}, {1022, body(1022) + "\n"}, {1023, body(1023)},
        {1024, body(1023)},        {1500, body(1023)},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = replayLines(body(c.accepted) + "\n" + "$next\r\n");
        ASSERT_EQ(lines.size(), 2u) << c.accepted;
        EXPECT_EQ(lines[0], c.expectedLine) << c.accepted;
        EXPECT_EQ(lines[1], "$next\r\n") << c.accepted;
    }
}

}  // namespace
