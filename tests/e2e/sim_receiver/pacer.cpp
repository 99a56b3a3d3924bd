#include "pacer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t microsPerSecond = 1'000'000;

// Credit is kept in millionths of a unit (a byte or a line) so that integer arithmetic
// is exact at every rate. The cap is far below a second's worth, so a refill never needs
// to look further back than that, which also keeps the products inside 64 bits.
constexpr Micros longestRefill = microsPerSecond;

class CreditPacer : public Pacer {
public:
    CreditPacer(std::int64_t microUnitsPerSecond, std::int64_t quantumUnits, std::int64_t capUnits)
        : creditRate(microUnitsPerSecond),
          quantum(quantumUnits * microsPerSecond),
          creditCap(capUnits * microsPerSecond) {}

    void restart(Micros now) override {
        lastRefill = now;
        credit = 0;
    }

    Micros nextChance(Micros now) const override {
        if (credit >= quantum) {
            return now;
        }
        const std::int64_t missing = quantum - credit;
        // Micro-units per second divided by a million = micro-units per microsecond.
        return lastRefill + (missing * microsPerSecond + creditRate - 1) / creditRate;
    }

protected:
    void refill(Micros now) {
        const Micros elapsed = std::clamp<Micros>(now - lastRefill, 0, longestRefill);
        lastRefill = now;
        credit = std::min(creditCap, credit + elapsed * creditRate / microsPerSecond);
    }
    std::int64_t wholeUnits() const { return credit / microsPerSecond; }
    void take(std::int64_t units) { credit -= units * microsPerSecond; }

private:
    std::int64_t creditRate;
    std::int64_t quantum;
    std::int64_t creditCap;
    std::int64_t credit = 0;
    Micros lastRefill = 0;
};

class BaudPacer final : public CreditPacer {
public:
    explicit BaudPacer(std::int64_t bytesPerSecond)
        : CreditPacer(bytesPerSecond * microsPerSecond, quantumFor(bytesPerSecond),
                      2 * quantumFor(bytesPerSecond)) {}

    std::size_t allowance(Micros now, std::size_t remaining, bool) override {
        refill(now);
        return static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(remaining), wholeUnits()));
    }
    void spend(std::size_t bytes, bool) override { take(static_cast<std::int64_t>(bytes)); }

private:
    static std::int64_t quantumFor(std::int64_t bytesPerSecond) {
        return std::max<std::int64_t>(1, bytesPerSecond / 1000);
    }
};

class LinePacer final : public CreditPacer {
public:
    explicit LinePacer(double linesPerSecond)
        : CreditPacer(std::llround(linesPerSecond * microsPerSecond), 1,
                      std::max<std::int64_t>(1, std::llround(linesPerSecond / 500))) {}

    // A line that has started goes on without new credit; its turn was paid at its start.
    std::size_t allowance(Micros now, std::size_t remaining, bool atLineStart) override {
        refill(now);
        return !atLineStart || wholeUnits() >= 1 ? remaining : 0;
    }
    void spend(std::size_t, bool atLineStart) override {
        if (atLineStart) {
            take(1);
        }
    }
};

class UnlimitedPacer final : public Pacer {
public:
    std::size_t allowance(Micros, std::size_t remaining, bool) override { return remaining; }
    void spend(std::size_t, bool) override {}
    Micros nextChance(Micros now) const override { return now; }
    void restart(Micros) override {}
};

// An epoch late by more than one period (the receiver was silent, or paused) starts
// the count again rather than catching up in a burst.
class EpochPacer final : public Pacer {
public:
    EpochPacer(int epochsPerSecond, long baud)
        : period(microsPerSecond / std::max(1, epochsPerSecond)), bytes(makeBaudPacer(baud)) {}

    void lineAhead(bool startsEpoch) override { epochAhead = startsEpoch; }
    std::size_t allowance(Micros now, std::size_t remaining, bool atLineStart) override {
        lastNow = now;
        if (atLineStart && epochAhead && now < nextEpoch) {
            return 0;
        }
        return bytes->allowance(now, remaining, atLineStart);
    }
    void spend(std::size_t count, bool atLineStart) override {
        if (atLineStart && epochAhead) {
            nextEpoch = lastEpochDue(nextEpoch) + period;
            epochAhead = false;
        }
        bytes->spend(count, atLineStart);
    }
    Micros nextChance(Micros now) const override {
        return epochAhead && now < nextEpoch ? nextEpoch : bytes->nextChance(now);
    }
    void restart(Micros now) override {
        nextEpoch = now;
        lastNow = now;
        bytes->restart(now);
    }

private:
    Micros lastEpochDue(Micros due) const { return lastNow - due > period ? lastNow : due; }

    Micros period;
    std::unique_ptr<Pacer> bytes;
    Micros nextEpoch = 0;
    Micros lastNow = 0;
    bool epochAhead = false;
};

}  // namespace

std::unique_ptr<Pacer> makeBaudPacer(long baud) {
    return std::make_unique<BaudPacer>(std::max<std::int64_t>(1, baud / 10));
}

std::unique_ptr<Pacer> makeLinePacer(double linesPerSecond) {
    return std::make_unique<LinePacer>(linesPerSecond);
}

std::unique_ptr<Pacer> makeEpochPacer(int epochsPerSecond, long baud) {
    return std::make_unique<EpochPacer>(epochsPerSecond, baud);
}

std::unique_ptr<Pacer> makeUnlimitedPacer() {
    return std::make_unique<UnlimitedPacer>();
}
