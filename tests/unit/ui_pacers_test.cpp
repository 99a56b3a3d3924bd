#include "ui/console_flush_pacer.h"
#include "ui/repaint_pacer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

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
