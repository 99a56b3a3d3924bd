#pragma once
// The samples of a run (one after each parsed RMC), their fixes and the
// intervals between their RMC times.

#include <cstdint>
#include <optional>

#include "sample_store.h"

constexpr std::int32_t msPerDay = 86400000;

class EpochTally {
public:
    void clear();
    // `timeMs`: the sample's RMC time of day, when it has one.
    void addSample(bool fix, std::optional<std::int32_t> timeMs);

    std::int64_t count() const { return samples; }
    std::int64_t fixes() const { return fixSamples; }
    std::int64_t backwards() const { return backwardIntervals; }
    // The sum of every interval so far; meaningful when intervals() holds any.
    std::int64_t spanMs() const { return span; }
    bool lastSampleHasInterval() const { return lastHasInterval; }
    const SampleStore<std::int32_t>& intervals() const { return intervalStore; }

private:
    std::int64_t samples = 0;
    std::int64_t fixSamples = 0;
    std::int64_t backwardIntervals = 0;
    std::int64_t span = 0;
    std::optional<std::int32_t> lastTimeMs;
    bool lastHasInterval = false;
    SampleStore<std::int32_t> intervalStore;
};
