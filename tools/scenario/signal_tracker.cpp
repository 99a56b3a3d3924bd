#include "signal_tracker.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "prng.h"

namespace skyvane::scenario {

namespace {

constexpr int horizonLevelDbHz = 25;
constexpr int zenithGainDb = 21;
constexpr int weakestLevelDbHz = 12;
constexpr int strongestLevelDbHz = 55;

struct LockCandidate {
    int rankInSystem;
    std::uint64_t systemOrder;
    GnssSystem system;
    int prn;
};

bool locksEarlier(const LockCandidate& a, const LockCandidate& b) {
    if (a.rankInSystem != b.rankInSystem) {
        return a.rankInSystem < b.rankInSystem;
    }
    return a.systemOrder < b.systemOrder;
}

}  // namespace

SignalTracker::SignalTracker(const ColdStartTimeline& coldStart, const SkyModel& sky,
                             unsigned trackerSeed)
    : timeline(coldStart), seed(trackerSeed) {
    scheduleColdStart(sky);
}

void SignalTracker::scheduleColdStart(const SkyModel& sky) {
    std::vector<SkyPosition> upAtStart = sky.visibleAt(timeline.firstSatellitesAt);
    std::stable_sort(
        upAtStart.begin(), upAtStart.end(),
        [](const SkyPosition& a, const SkyPosition& b) { return a.elevationDeg > b.elevationDeg; });
    std::array<int, allSystems.size()> rankCounters{};
    std::vector<LockCandidate> order;
    for (const SkyPosition& satellite : upAtStart) {
        const int index = systemIndex(satellite.system);
        order.push_back({rankCounters[index]++,
                         mixKey({seed, 0x6C6F636Bull, static_cast<std::uint64_t>(index)}),
                         satellite.system, satellite.prn});
    }
    std::sort(order.begin(), order.end(), locksEarlier);
    const auto count = static_cast<int>(order.size());
    for (int position = 0; position < count; ++position) {
        const LockCandidate& candidate = order[position];
        coldStartLocks[{candidate.system, candidate.prn}] =
            timeline.firstAcquisitionAt + position * timeline.acquisitionWindow / count;
    }
}

int SignalTracker::firstLockSecond(const SkyPosition& satellite) const {
    if (satellite.risenAt <= timeline.firstSatellitesAt) {
        const auto found = coldStartLocks.find({satellite.system, satellite.prn});
        if (found != coldStartLocks.end()) {
            return found->second;
        }
    }
    const int searchSeconds = pickInRange(mixKey({satellite.passKey, 0x72697365ull}), 3, 8);
    return std::max(satellite.risenAt, timeline.firstAcquisitionAt) + searchSeconds;
}

int SignalTracker::acquisitionSecond(const SkyPosition& satellite, const SignalBand& band) const {
    const int firstLock = firstLockSecond(satellite);
    if (band.primary) {
        return firstLock;
    }
    const auto signal = static_cast<std::uint64_t>(band.signalId);
    return firstLock + pickInRange(mixKey({satellite.passKey, 0x6C6174ull, signal}), 1, 4);
}

std::optional<int> SignalTracker::levelDbHz(const SkyPosition& satellite, const SignalBand& band,
                                            int elapsed) const {
    if (elapsed < acquisitionSecond(satellite, band)) {
        return std::nullopt;
    }
    const auto signal = static_cast<std::uint64_t>(band.signalId);
    const int satelliteBias = pickInRange(mixKey({satellite.passKey, 0x62696173ull}), -2, 2);
    const int flicker = pickInRange(
        mixKey({seed, satellite.passKey, signal, static_cast<std::uint64_t>(elapsed)}), -1, 1);
    const int level = horizonLevelDbHz + band.levelOffsetDb +
                      satellite.elevationDeg * zenithGainDb / 90 + satelliteBias + flicker;
    return std::clamp(level, weakestLevelDbHz, strongestLevelDbHz);
}

}  // namespace skyvane::scenario
