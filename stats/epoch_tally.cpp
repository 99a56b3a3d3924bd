#include "epoch_tally.h"

namespace {

// Times are of the day: a step back of more than half a day is the clock
// passing midnight.
std::int32_t intervalBetween(std::int32_t earlierMs, std::int32_t laterMs) {
    const std::int32_t difference = laterMs - earlierMs;
    return difference < -msPerDay / 2 ? difference + msPerDay : difference;
}

}  // namespace

void EpochTally::clear() {
    samples = fixSamples = backwardIntervals = span = 0;
    lastTimeMs.reset();
    lastHasInterval = false;
    intervalStore.clear();
}

void EpochTally::addSample(bool fix, std::optional<std::int32_t> timeMs) {
    ++samples;
    fixSamples += fix ? 1 : 0;
    lastHasInterval = timeMs.has_value() && lastTimeMs.has_value();
    if (lastHasInterval) {
        const std::int32_t interval = intervalBetween(*lastTimeMs, *timeMs);
        intervalStore.push(interval);
        span += interval;
        backwardIntervals += interval < 0 ? 1 : 0;
    }
    if (timeMs) {
        lastTimeMs = timeMs;
    }
}
