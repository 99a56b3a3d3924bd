#pragma once

#include <map>
#include <optional>
#include <utility>

#include "cold_start.h"
#include "signal_bands.h"
#include "sky_model.h"

namespace skyvane::scenario {

// Decides when each signal is locked and how strong it is. The satellites up at power-on
// are locked one by one across the acquisition window, strongest (highest) first and
// interleaved between constellations, so by the fix every constellation has several.
// A satellite rising later is locked a few seconds after it clears the horizon. The
// second frequency of a satellite follows its first by a few seconds.
class SignalTracker {
public:
    SignalTracker(const ColdStartTimeline& coldStart, const SkyModel& sky, unsigned trackerSeed);

    // C/N0 in dB-Hz once the signal is tracked; nothing while the receiver still searches.
    std::optional<int> levelDbHz(const SkyPosition& satellite, const SignalBand& band,
                                 int elapsed) const;

private:
    void scheduleColdStart(const SkyModel& sky);
    int acquisitionSecond(const SkyPosition& satellite, const SignalBand& band) const;
    int firstLockSecond(const SkyPosition& satellite) const;

    ColdStartTimeline timeline;
    unsigned seed;
    std::map<std::pair<GnssSystem, int>, int> coldStartLocks;  // (system, PRN) -> second
};

}  // namespace skyvane::scenario
