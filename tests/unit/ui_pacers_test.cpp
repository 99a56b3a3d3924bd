#include "ui/console_flush_pacer.h"
#include "ui/repaint_pacer.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "nmea/sentence_intake.h"

namespace {

// The console as the intake and the pane drive it: the intake empties it once
// it counts more than the limit, lines wait until the pacer lets them in, and
// the timer ticks every 50 ms.
struct ConsoleModel {
    ConsoleFlushPacer pacer;
    int controlLines = 1;  // an empty rich edit counts one line
    int waiting = 0;
    std::uint32_t oldestWaitingMs = 0;
    std::uint32_t longestWaitMs = 0;
    long insertedLines = 0;
    int inserts = 0;
    int ticksThatKeptLines = 0;

    void insert(std::uint32_t now) {
        controlLines += waiting;
        insertedLines += waiting;
        waiting = 0;
        ++inserts;
        pacer.inserted(now);
    }
    void append(std::uint32_t now) {
        if (controlLines + waiting > consoleLineLimit) {
            controlLines = 1;
            waiting = 0;
        }
        if (waiting == 0) {
            oldestWaitingMs = now;
        }
        ++waiting;
        pacer.lineAppended();
        if (pacer.insertAfterAppend(now, controlLines, waiting)) {
            insert(now);
        }
    }
    void tick(std::uint32_t now) {
        if (waiting > 0 && now - oldestWaitingMs > longestWaitMs) {
            longestWaitMs = now - oldestWaitingMs;
        }
        if (pacer.insertAtTick(now, waiting)) {
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
TEST(ConsoleFlushPacer, AtALinksPaceEveryTickInsertsWhatWaits) {
    for (int rate : {10, 300, 1500, 3900}) {
        ConsoleModel console;
        console.stream(100000, rate, 20);
        EXPECT_EQ(console.ticksThatKeptLines, 0) << rate;
        EXPECT_LE(console.longestWaitMs, 50u) << rate;
        EXPECT_FALSE(console.pacer.fastStream()) << rate;
    }
}

// A replay at file speed: almost nothing is inserted, a glimpse about twice a
// second, and when the stream stops the next tick inserts everything waiting,
// so the console ends with the lines since its last emptying.
TEST(ConsoleFlushPacer, AFastStreamWaitsShowsGlimpsesAndCatchesUpWhenItStops) {
    ConsoleModel console;
    const std::uint32_t end = console.stream(100000, 20000, 10);
    EXPECT_TRUE(console.pacer.fastStream());
    EXPECT_LT(console.insertedLines, 200000 / 50);  // under 2 % of the lines
    EXPECT_GE(console.inserts, 15);
    EXPECT_LE(console.inserts, 22);
    EXPECT_LE(console.longestWaitMs, ConsoleFlushPacer::longestWaitMs);
    const int waitingAtStop = console.waiting;
    ASSERT_GT(waitingAtStop, 0);
    console.tick(end + 50);  // no line since the last tick
    EXPECT_EQ(console.waiting, 0);
    EXPECT_EQ(console.controlLines, 1 + consoleLineLimit);  // the last of 100 full windows
    EXPECT_FALSE(console.pacer.fastStream());
}

// Lines never wait longer than the longest wait, even when no emptying comes
// to offer a glimpse (a stream of long lines fills the console slowly).
TEST(ConsoleFlushPacer, NoLineWaitsLongerThanTheLongestWait) {
    ConsoleFlushPacer pacer;
    std::uint32_t now = 5000;
    pacer.inserted(now);
    int waiting = 0;
    int inserts = 0;
    for (int t = 0; t < 200; ++t) {
        for (int i = 0; i < 300; ++i) {  // 6,000 lines a second
            pacer.lineAppended();
            ++waiting;
        }
        EXPECT_FALSE(pacer.insertAfterAppend(now, 1500, waiting));  // not just emptied
        now += 50;
        if (pacer.insertAtTick(now, waiting)) {
            ++inserts;
            waiting = 0;
            pacer.inserted(now);
        }
    }
    EXPECT_EQ(inserts, 4);  // the first tick (no pace known yet), then every 3 s
}

}  // namespace

namespace {

// A receiver's RMC paints at once; a replay's requests wait for the gap after
// the last paint; the tick count may wrap meanwhile.
TEST(RepaintPacer, ReceiverPacePaintsAtOnceFasterRequestsWaitForTheGap) {
    RepaintPacer pacer;
    EXPECT_EQ(pacer.delayFor(0), 0u);  // never painted
    for (std::uint32_t now = 1000; now < 3000; now += 50) {  // 20 RMC a second
        EXPECT_EQ(pacer.delayFor(now), 0u) << now;
        pacer.painted(now + 3);  // the paint follows the request a little later
        EXPECT_EQ(pacer.delayFor(now + 3), RepaintPacer::minimumGapMs);
    }
    pacer.painted(0xFFFFFFF0u);
    EXPECT_EQ(pacer.delayFor(0xFFFFFFFAu), 30u);
    EXPECT_EQ(pacer.delayFor(0x00000017u), 1u);  // 39 ms later, across the wrap
    EXPECT_EQ(pacer.delayFor(0x00000018u), 0u);
}

}  // namespace
