#pragma once
// What the receiver does at a start command of its family. A kind it is told to ignore
// changes nothing. Otherwise its fix is gone: it says nothing for a second (when its
// restart shows as silence), then reports epochs without a fix. When the TTFF plan times
// the kind, the stream goes on and the fix comes back after the planned time to first
// fix (or never); when not, the stream starts over from its beginning with the fix it
// has there.

#include <cstdint>
#include <utility>
#include <vector>

#include "clock.h"
#include "commands/start_commands.h"
#include "start_options.h"
#include "transmitter.h"

// How the fix came back after a start.
enum class FixAfterStart { timed, neverAgain, stream };

struct StartRecord {
    StartKind kind = StartKind::cold;
    Micros at = 0;
    FixAfterStart fix = FixAfterStart::stream;
    Micros ttff = 0;  // the simulated time to first fix, when timed
};

class StartResponder {
public:
    static constexpr Micros silentSecond = 1'000'000;
    // Starts beyond this many are still honoured and counted, not listed.
    static constexpr std::size_t listedStarts = 10'000;

    explicit StartResponder(StartOptions startOptions) : options(std::move(startOptions)) {}

    void respond(StartKind kind, Micros now, Transmitter& transmitter);

    // The starts honoured so far, in order.
    const std::vector<StartRecord>& starts() const { return honoured; }
    std::int64_t ignoredStarts() const { return ignoredCount; }
    // Honoured starts of kind cold or factory.
    std::int64_t coldStarts() const { return coldCount; }

private:
    StartOptions options;
    std::vector<StartRecord> honoured;
    std::int64_t ignoredCount = 0;
    std::int64_t coldCount = 0;
};
