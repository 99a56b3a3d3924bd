#include "serial/line_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "filtered_lines.h"
#include "serial/byte_ring.h"

namespace {

// A batch is too large for the stack; the tests share one, emptied.
LineBatch& emptyBatch() {
    static LineBatch batch;
    batch.clear();
    return batch;
}

// The reader's path: reads of `chunk` bytes gathered into batches, each
// line taken out as the user-interface thread does. Gives each line's bytes,
// then what is left in the reader's ring.
std::vector<std::vector<std::uint8_t>> batchedHandover(const std::vector<std::uint8_t>& bytes,
                                                       std::size_t chunk, int* handOvers) {
    ByteRing readerRing;
    readerRing.init(lineRingCapacity);
    LineBatch& batch = emptyBatch();
    std::vector<std::vector<std::uint8_t>> out;
    auto handOver = [&](LineBatch& handed) {
        ++*handOvers;
        LineBytes line;
        while (handed.nextLine(&line)) {
            out.emplace_back(line.bytes, line.bytes + line.count);
        }
        handed.clear();
        return true;
    };
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        const std::size_t span = std::min(chunk, bytes.size() - at);
        EXPECT_TRUE(gatherLines(readerRing, batch, bytes.data() + at, span, handOver));
        EXPECT_TRUE(batch.empty());
    }
    out.push_back(ringContents(readerRing));
    return out;
}

// Batches change how often the threads meet, never a line: every line reaches
// the intake exactly as the single-byte reader left it in its ring, over-long
// lines and empty ones included, with a full batch handed over within a read.
TEST(LineBatch, LinesReachTheIntakeExactlyAsOneAtATime) {
    std::mt19937 random(777);
    std::vector<std::uint8_t> noise(40000);
    for (std::uint8_t& byte : noise) {
        byte = static_cast<std::uint8_t>(random() % 8 ? ' ' + random() % 95
                                                      : "\n\r\0\xFF"[random() % 4]);
    }
    const std::string longLines = std::string(3000, 'x') + "\n" + std::string(1022, 'y') + "\n" +
                                  std::string(1023, 'z') + "\nshort\r\n\n";
    const std::vector<std::uint8_t> overlong(longLines.begin(), longLines.end());
    const std::vector<std::uint8_t> emptyLines(40000, '\n');  // 2 bytes a line: fills batches
    for (const std::vector<std::uint8_t>& stream : {noise, overlong, emptyLines}) {
        const auto expected = handover(stream, 1024, 0);
        for (std::size_t chunk :
             {std::size_t{1}, std::size_t{7}, std::size_t{4096}, stream.size()}) {
            int handOvers = 0;
            EXPECT_EQ(batchedHandover(stream, chunk, &handOvers), expected) << chunk;
            EXPECT_LE(handOvers, static_cast<int>(expected.size()));
        }
    }
    int handOvers = 0;
    batchedHandover(emptyLines, emptyLines.size(), &handOvers);
    EXPECT_EQ(handOvers, 3);  // one read of 40,000 lines: two full batches and the rest
}

// A hand-off that finds the connection ended stops the read: no later line is
// gathered, and the batch is left to be dropped.
TEST(LineBatch, AnEndedConnectionDropsTheRestOfTheRead) {
    ByteRing ring;
    ring.init(lineRingCapacity);
    LineBatch& batch = emptyBatch();
    const std::vector<std::uint8_t> lines(70000, '\n');
    int handOvers = 0;
    auto endAtFirst = [&](LineBatch&) { return ++handOvers > 1; };
    EXPECT_FALSE(gatherLines(ring, batch, lines.data(), lines.size(), endAtFirst));
    EXPECT_EQ(handOvers, 1);
    EXPECT_LT(batch.lineCount(), lines.size() / 2);
}

TEST(LineBatch, AFullBatchRefusesALineAndLeavesItInTheRing) {
    ByteRing ring;
    ring.init(lineRingCapacity);
    LineBatch& batch = emptyBatch();
    const std::vector<std::uint8_t> line(1000, 'a');
    int taken = 0;
    for (;;) {
        ring.push(line.data(), static_cast<std::uint32_t>(line.size()));
        if (!batch.takeLine(ring)) {
            break;
        }
        ++taken;
    }
    EXPECT_EQ(taken, static_cast<int>(LineBatch::capacity / (line.size() + 2)));
    EXPECT_EQ(ring.count(), line.size());  // the refused line is still there
    LineBytes first;
    ASSERT_EQ(batch.nextLine(&first), 1);
    EXPECT_EQ(std::vector<std::uint8_t>(first.bytes, first.bytes + first.count), line);
    int left = 1;
    for (LineBytes next; batch.nextLine(&next);) {
        ++left;
    }
    EXPECT_EQ(left, taken);
}

}  // namespace
