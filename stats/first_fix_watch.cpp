#include "first_fix_watch.h"

void FirstFixWatch::clear() {
    *this = FirstFixWatch();
}

void FirstFixWatch::lineArrived(std::uint32_t tick) {
    if (!firstTick) {
        firstTick = tick;
    }
}

// Ticks wrap after 49.7 days; the unsigned difference survives one wrap.
void FirstFixWatch::fixReported(std::uint32_t tick) {
    if (!reportMs && firstTick) {
        reportMs = static_cast<std::uint32_t>(tick - *firstTick);
    }
}

void FirstFixWatch::fixSampled(std::int64_t samplesBefore, std::optional<std::int64_t> receiverMs) {
    if (hasFixSample) {
        return;
    }
    hasFixSample = true;
    samplesBeforeFix = samplesBefore;
    receiverMsToFix = receiverMs;
}
