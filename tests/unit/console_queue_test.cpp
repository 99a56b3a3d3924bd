#include "ui/console_queue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "nmea/sentence_intake.h"

namespace {

// The console as the intake and the pane drive it: the intake empties it once
// it counts more than the limit, the pane inserts what the queue lets in and
// the control then counts one line more than the line feeds it holds, and
// the timer ticks every 50 ms.
struct Console {
    std::unique_ptr<ConsoleQueue> queue = std::make_unique<ConsoleQueue>();
    int controlLines = 1;  // an empty rich edit counts one line
    int waiting = 0;
    std::uint32_t oldestWaitingMs = 0;
    std::uint32_t longestWaitMs = 0;
    long insertedLines = 0;
    int inserts = 0;
    int ticksThatKeptLines = 0;

    void insert(std::uint32_t now) {
        for (std::size_t r = 0; r < queue->waitingRuns(); ++r) {
            for (const char16_t* unit = queue->run(r).text; *unit != 0; ++unit) {
                controlLines += *unit == u'\n' ? 1 : 0;
                insertedLines += *unit == u'\n' ? 1 : 0;
            }
        }
        waiting = 0;
        ++inserts;
        queue->inserted(now, controlLines);
    }
    void append(std::uint32_t now) {
        if (queue->lineCount() > consoleLineLimit) {
            controlLines = 1;
            waiting = 0;
            queue->discard(controlLines);
        }
        if (waiting == 0) {
            oldestWaitingMs = now;
        }
        ++waiting;
        if (queue->append(u"$GNGGA,235959.00,,,,,0,00,99.99,,,,,,*70\r\n", now)) {
            insert(now);
        }
    }
    void tick(std::uint32_t now) {
        if (waiting > 0 && now - oldestWaitingMs > longestWaitMs) {
            longestWaitMs = now - oldestWaitingMs;
        }
        if (queue->insertAtTick(now)) {
            insert(now);
        } else if (waiting > 0) {
            ++ticksThatKeptLines;
        }
    }
    // `linesPerSecond` for `seconds`, ticks every 50 ms; returns the end time.
    std::uint32_t stream(std::uint32_t start, int linesPerSecond, int seconds) {
        const int linesPerTick = linesPerSecond / 20;
        std::uint32_t now = start;
        for (int t = 0; t < seconds * 20; ++t) {
            for (int i = 0; i < linesPerTick; ++i) {
                append(now + static_cast<std::uint32_t>(50 * i / linesPerTick));
            }
            now += 50;
            tick(now);
        }
        return now;
    }
};

// Any serial link is slower than a fast stream: every tick inserts what waits.
TEST(ConsoleQueue, AtALinksPaceEveryTickInsertsWhatWaits) {
    for (int rate : {10, 300, 1500, 3900}) {
        Console console;
        console.stream(100000, rate, 20);
        EXPECT_EQ(console.ticksThatKeptLines, 0) << rate;
        EXPECT_LE(console.longestWaitMs, 50u) << rate;
        EXPECT_FALSE(console.queue->fastStream()) << rate;
        EXPECT_EQ(console.queue->lineCount(), console.controlLines) << rate;
    }
}

// A replay at file speed: almost nothing is inserted, a glimpse about twice a
// second, and when the stream stops the next tick inserts everything waiting,
// so the console ends with the lines since its last emptying.
TEST(ConsoleQueue, AFastStreamWaitsShowsGlimpsesAndCatchesUpWhenItStops) {
    Console console;
    const std::uint32_t end = console.stream(100000, 20000, 10);
    EXPECT_TRUE(console.queue->fastStream());
    EXPECT_LT(console.insertedLines, 200000 / 50);  // under 2 % of the lines
    EXPECT_GE(console.inserts, 15);
    EXPECT_LE(console.inserts, 22);
    EXPECT_LE(console.longestWaitMs, ConsoleFlushPacer::longestWaitMs);
    const int waitingAtStop = console.waiting;
    ASSERT_GT(waitingAtStop, 0);
    EXPECT_EQ(console.queue->lineCount(), console.controlLines + waitingAtStop);
    console.tick(end + 50);  // no line since the last tick
    EXPECT_FALSE(console.queue->hasWaiting());
    EXPECT_EQ(console.controlLines, 1 + consoleLineLimit);  // the last of 100 full windows
    EXPECT_FALSE(console.queue->fastStream());
}

std::vector<std::pair<std::u16string, std::uint32_t>> waitingRuns(const ConsoleQueue& queue) {
    std::vector<std::pair<std::u16string, std::uint32_t>> runs;
    for (std::size_t r = 0; r < queue.waitingRuns(); ++r) {
        runs.emplace_back(queue.run(r).text, queue.run(r).rgb);
    }
    return runs;
}

// Each change of colour starts a run of its own, each a text ending where the
// next begins; lines count by their line feeds until they go in.
TEST(ConsoleQueue, ColoursMakeRunsEachATextOfItsOwn) {
    auto queue = std::make_unique<ConsoleQueue>();
    queue->setColor(consoleRgb(ConsoleColor::black));
    queue->append(u"$A*00\r\n", 0);
    queue->append(u"$B*00\r\n", 0);
    queue->setColor(consoleRgb(ConsoleColor::red));
    queue->append(u"bad\r\n", 0);
    queue->setColor(consoleRgb(ConsoleColor::green));
    queue->append(u"", 0);  // an empty text still starts its run
    queue->setColor(consoleRgb(ConsoleColor::black));
    queue->append(u"$C*00", 0);
    using Runs = std::vector<std::pair<std::u16string, std::uint32_t>>;
    EXPECT_EQ(waitingRuns(*queue), (Runs{{u"$A*00\r\n$B*00\r\n", 0x000000},
                                         {u"bad\r\n", 0xFF0000},
                                         {u"", 0x00FF00},
                                         {u"$C*00", 0x000000}}));
    EXPECT_EQ(queue->lineCount(), 1 + 3);
    queue->inserted(10, 4);
    EXPECT_FALSE(queue->hasWaiting());
    EXPECT_EQ(queue->lineCount(), 4);
    queue->append(u"x\n", 20);
    queue->discard(1);  // the console was replaced: what waited is gone too
    EXPECT_EQ(waitingRuns(*queue), Runs{});
    EXPECT_EQ(queue->lineCount(), 1);
}

// A full queue says so before a text would not fit, for the pane to insert
// what waits first; a text longer than the whole queue is cut, never spilled.
TEST(ConsoleQueue, AFullQueueAsksForAnInsertionAndNeverOverflows) {
    auto queue = std::make_unique<ConsoleQueue>();
    const std::u16string line(1022, u'x');
    std::size_t lines = 0;
    while (queue->fits(line.c_str())) {
        queue->append(line.c_str(), 0);
        ++lines;
    }
    EXPECT_EQ(lines, (ConsoleQueue::capacity - 1) / line.size());
    queue->inserted(0, 1);
    EXPECT_TRUE(queue->fits(line.c_str()));

    for (std::size_t r = 0; r < ConsoleQueue::maxRuns; ++r) {  // a colour a line
        ASSERT_TRUE(queue->fits(u"y"));
        queue->setColor(static_cast<std::uint32_t>(r % 2));
        queue->append(u"y", 0);
    }
    queue->setColor(2);
    EXPECT_FALSE(queue->fits(u"y"));  // one run too many
    queue->setColor(static_cast<std::uint32_t>((ConsoleQueue::maxRuns - 1) % 2));
    EXPECT_TRUE(queue->fits(u"y"));  // the last run's colour goes on

    queue->inserted(0, 1);
    const std::u16string huge(ConsoleQueue::capacity + 10, u'z');
    queue->append(huge.c_str(), 0);
    ASSERT_EQ(queue->waitingRuns(), 1u);
    EXPECT_EQ(std::u16string(queue->run(0).text).size(), ConsoleQueue::capacity - 1);
}

}  // namespace
