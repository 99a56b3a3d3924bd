#include "pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr Micros oneSecond = 1'000'000;

// Drives a pacer with a fake clock, writing whatever it allows from an endless line,
// waking at the times it asks for; returns the bytes sent by `until`.
std::int64_t bytesSentBy(Pacer& pacer, Micros until, int* wakeups) {
    Micros now = 0;
    pacer.restart(now);
    std::int64_t sent = 0;
    *wakeups = 0;
    while (now <= until) {
        const std::size_t allowed = pacer.allowance(now, 1'000'000, false);
        pacer.spend(allowed, false);
        sent += static_cast<std::int64_t>(allowed);
        const Micros next = pacer.nextChance(now);
        now = next > now ? next : now + 1;
        ++*wakeups;
    }
    return sent;
}

TEST(BaudPacer, SendsTenthOfTheBaudRateInBytesPerSecond) {
    for (long baud : {4800L, 9600L, 115200L, 921600L}) {
        auto pacer = makeBaudPacer(baud);
        int wakeups = 0;
        const std::int64_t sent = bytesSentBy(*pacer, 2 * oneSecond, &wakeups);
        const double expected = 2.0 * static_cast<double>(baud) / 10;
        EXPECT_NEAR(static_cast<double>(sent), expected, expected * 0.01 + 2) << baud;
    }
}

TEST(BaudPacer, IsSmoothAtMillisecondScaleNotBurstsPerSecond) {
    auto pacer = makeBaudPacer(921600);
    int wakeups = 0;
    bytesSentBy(*pacer, oneSecond, &wakeups);
    // 92160 bytes in one-millisecond quanta of 92 bytes: about a thousand writes.
    EXPECT_GT(wakeups, 900);
    EXPECT_LT(wakeups, 1100);

    pacer->restart(0);
    EXPECT_EQ(pacer->allowance(0, 100000, false), 0u);
    EXPECT_LE(pacer->nextChance(0), 1000);
    EXPECT_GE(pacer->allowance(1000, 100000, false), 90u);
    EXPECT_LE(pacer->allowance(1000, 100000, false), 93u);
}

TEST(BaudPacer, DoesNotCatchUpAfterAStall) {
    auto pacer = makeBaudPacer(115200);
    pacer->restart(0);
    // A reader that stopped for half a second must not get 5760 bytes in one burst.
    const std::size_t burst = pacer->allowance(oneSecond / 2, 1'000'000, false);
    EXPECT_LE(burst, 2u * 11520 / 1000 + 1);
    EXPECT_GT(burst, 0u);
}

TEST(BaudPacer, NeverAllowsMoreThanTheChunkHolds) {
    auto pacer = makeBaudPacer(921600);
    pacer->restart(0);
    EXPECT_EQ(pacer->allowance(10'000, 5, false), 5u);
}

TEST(LinePacer, SendsWholeLinesAtTheRate) {
    auto pacer = makeLinePacer(10);
    pacer->restart(0);
    int lines = 0;
    for (Micros now = 0; now <= oneSecond; now += 1000) {
        if (pacer->allowance(now, 70, true) == 70) {
            pacer->spend(70, true);
            ++lines;
        }
    }
    EXPECT_EQ(lines, 10);
}

TEST(LinePacer, ALineThatStartedFinishesWithoutANewTurn) {
    auto pacer = makeLinePacer(1);
    pacer->restart(0);
    EXPECT_EQ(pacer->allowance(oneSecond, 80, true), 80u);
    pacer->spend(30, true);  // the output took only part of the line
    EXPECT_EQ(pacer->allowance(oneSecond, 50, false), 50u);
    EXPECT_EQ(pacer->allowance(oneSecond, 80, true), 0u);  // the next line waits its turn
    EXPECT_EQ(pacer->nextChance(oneSecond), 2 * oneSecond);
}

TEST(UnlimitedPacer, AllowsEverythingAtOnce) {
    auto pacer = makeUnlimitedPacer();
    pacer->restart(0);
    EXPECT_EQ(pacer->allowance(0, 123456, true), 123456u);
    EXPECT_EQ(pacer->nextChance(7), 7);
}

}  // namespace
