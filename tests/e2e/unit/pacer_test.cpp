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

namespace {

// Sends one line of `length` bytes from `now` on as the pacer allows; returns when its
// first byte went, and leaves `now` at its last byte.
Micros sendLine(Pacer& pacer, Micros& now, std::size_t length, bool startsEpoch) {
    pacer.lineAhead(startsEpoch);
    Micros firstByte = -1;
    for (std::size_t left = length; left > 0;) {
        const bool atLineStart = left == length;
        const std::size_t allowed = pacer.allowance(now, left, atLineStart);
        if (allowed > 0) {
            firstByte = atLineStart ? now : firstByte;
            pacer.spend(allowed, atLineStart);
            left -= allowed;
            continue;
        }
        const Micros next = pacer.nextChance(now);
        now = next > now ? next : now + 1;
    }
    return firstByte;
}

}  // namespace

// A 10 Hz receiver at 115200 baud: each epoch's first line goes at its time, the rest of
// the epoch (600 bytes, 52 ms) at the baud rate behind it; after a stalled reader the
// next epoch goes at once and the ones after keep its pace, with no burst to catch up.
TEST(EpochPacer, EachEpochStartsOnItsTimeAndItsLinesFollowAtTheBaudRate) {
    auto pacer = makeEpochPacer(10, 115200);
    Micros now = 0;
    pacer->restart(now);
    const auto epoch = [&](Micros* lastByte) {
        const Micros first = sendLine(*pacer, now, 60, true);
        for (int line = 1; line < 10; ++line) {
            sendLine(*pacer, now, 60, false);
        }
        *lastByte = now;
        return first;
    };
    Micros lastByte = 0;
    for (int k = 0; k < 20; ++k) {
        const Micros first = epoch(&lastByte);
        EXPECT_NEAR(static_cast<double>(first), k * 100'000.0, 1000) << "epoch " << k;
        EXPECT_NEAR(static_cast<double>(lastByte - first), 600 / 11520.0 * oneSecond, 2000);
    }
    now += 350'000;  // the reader stalls for three and a half epochs
    const Micros stalledUntil = now;
    const Micros resumed = epoch(&lastByte);
    EXPECT_EQ(resumed, stalledUntil) << "at once";
    EXPECT_NEAR(static_cast<double>(epoch(&lastByte) - resumed), 100'000.0, 1000);
}
