#pragma once
// The first fix of a run. From a recording, which has no arrival times: the
// samples before the first fix sample and the receiver's own time to it (the
// intervals up to and including that sample's). Live: the milliseconds from
// the first line of the run to the first fix report by arrival tick, with no
// floor; the window title keeps its own rule.

#include <cstdint>
#include <optional>

class FirstFixWatch {
public:
    void clear();

    // Every line, with its arrival tick.
    void lineArrived(std::uint32_t tick);
    // A parsed RMC whose status begins with "A", or a GSA of fix type 2 or 3.
    void fixReported(std::uint32_t tick);
    // The first fix sample: `samplesBefore` samples came before it, and the
    // intervals up to and including its own sum to `receiverMs` (none when
    // the sample has no interval).
    void fixSampled(std::int64_t samplesBefore, std::optional<std::int64_t> receiverMs);

    bool sampled() const { return hasFixSample; }
    std::optional<std::int64_t> arrivalMs() const { return reportMs; }
    std::optional<std::int64_t> epochs() const { return samplesBeforeFix; }
    std::optional<std::int64_t> receiverMs() const { return receiverMsToFix; }

private:
    std::optional<std::uint32_t> firstTick;
    std::optional<std::int64_t> reportMs;
    bool hasFixSample = false;
    std::optional<std::int64_t> samplesBeforeFix;
    std::optional<std::int64_t> receiverMsToFix;
};
