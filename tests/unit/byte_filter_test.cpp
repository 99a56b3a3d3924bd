#include "serial/byte_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "replay_session.h"
#include "serial/byte_ring.h"
#include "test_text.h"

namespace {

std::vector<std::uint8_t> ringContents(ByteRing& ring) {
    std::vector<std::uint8_t> bytes(ring.count());
    if (!bytes.empty()) {
        ring.peek(bytes.data(), ring.count());
    }
    return bytes;
}

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

// What the reader hands over: the ring's content at every line end, then what
// is left after the last byte.
struct Handover {
    std::vector<std::vector<std::uint8_t>> lines;
    std::vector<std::uint8_t> rest;

    bool operator==(const Handover&) const = default;
};

void takeLine(ByteRing& ring, Handover& out) {
    out.lines.push_back(ringContents(ring));
    ring.skip(ring.count());
}

Handover byteByByte(const std::vector<std::uint8_t>& bytes, std::uint32_t capacity) {
    ByteRing ring;
    ring.init(capacity);
    Handover out;
    for (std::uint8_t byte : bytes) {
        if (filterReceivedByte(ring, byte) == ReceivedByte::lineEnd) {
            takeLine(ring, out);
        }
    }
    out.rest = ringContents(ring);
    return out;
}

// Spans of `chunk` bytes, as reads of a port or a file deliver them.
Handover inSpans(const std::vector<std::uint8_t>& bytes, std::uint32_t capacity,
                 std::size_t chunk) {
    ByteRing ring;
    ring.init(capacity);
    Handover out;
    for (std::size_t start = 0; start < bytes.size(); start += chunk) {
        const std::uint8_t* span = bytes.data() + start;
        std::size_t left = std::min(chunk, bytes.size() - start);
        while (left > 0) {
            const FilteredBytes filtered = filterReceivedBytes(ring, span, left);
            EXPECT_GT(filtered.consumed, 0u);
            EXPECT_LE(filtered.consumed, left);
            EXPECT_EQ(filtered.lineEnd, span[filtered.consumed - 1] == 0x0A);
            span += filtered.consumed;
            left -= filtered.consumed;
            if (filtered.lineEnd) {
                takeLine(ring, out);
            }
        }
    }
    out.rest = ringContents(ring);
    return out;
}

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Runs of bytes must lose, keep and end lines exactly as single bytes do,
// whatever the chunking, including rings that fill up mid-run and rings with
// room for the LF but not the NUL.
TEST(ByteFilter, SpansBehaveExactlyAsSingleBytes) {
    std::mt19937 random(12345);
    std::vector<std::uint8_t> noise(6000);
    for (std::uint8_t& byte : noise) {
        const int pick = static_cast<int>(random() % 16);
        byte = pick == 0   ? std::uint8_t{0x0A}
               : pick == 1 ? std::uint8_t{0x0D}
               : pick < 5  ? static_cast<std::uint8_t>(random() % 256)
                           : static_cast<std::uint8_t>('!' + random() % 90);
    }
    // Every byte value at every place of a printable run, so that runs read
    // several bytes at a time stop exactly where single bytes would.
    std::vector<std::uint8_t> everyPlace;
    for (int value = 0; value < 256; ++value) {
        for (int place = 0; place < 17; ++place) {
            std::vector<std::uint8_t> run(20, static_cast<std::uint8_t>('~' - place));
            run[place] = static_cast<std::uint8_t>(value);
            everyPlace.insert(everyPlace.end(), run.begin(), run.end());
        }
    }
    const std::vector<std::vector<std::uint8_t>> streams = {
        bytesOf("$GPGGA,1,2\r\n$GPRMC,3\r\nno end"),
        bytesOf(std::string(3000, 'x') + "\n" + "short\r\n\n\n"),
        bytesOf(std::string("\0\0\x80\n\xff\t\r", 7)),
        noise,
        everyPlace,
    };
    for (std::size_t s = 0; s < streams.size(); ++s) {
        for (std::uint32_t capacity : {1u, 2u, 3u, 7u, 64u, 1024u}) {
            const Handover expected = byteByByte(streams[s], capacity);
            ASSERT_FALSE(expected.lines.empty());
            for (std::size_t chunk :
                 {std::size_t{1}, std::size_t{5}, std::size_t{256}, streams[s].size()}) {
                EXPECT_TRUE(inSpans(streams[s], capacity, chunk) == expected)
                    << "stream " << s << " capacity " << capacity << " chunk " << chunk;
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
