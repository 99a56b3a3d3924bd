#include "sky_model.h"

#include <algorithm>
#include <array>

#include "angles.h"
#include "prng.h"

namespace skyvane::scenario {

namespace {

struct ConstellationDesign {
    int firstPrn;
    int prnCount;  // at least twice maxSlots: see prnForPass
    int passSeconds;
    int minSlots;
    int maxSlots;
};

// In allSystems order. Pass lengths are those of medium orbits seen from mid-latitude.
constexpr std::array<ConstellationDesign, 4> designs = {{
    {1, 32, 6 * 3600, 8, 10},  // GPS
    {65, 24, 5 * 3600, 6, 8},  // GLONASS, slot numbers 65-88
    {1, 36, 7 * 3600, 6, 8},   // Galileo
    {1, 46, 7 * 3600, 8, 10},  // BeiDou
}};

ConstellationDesign designOf(GnssSystem system) {
    return designs[systemIndex(system)];
}

// Coprime with every prnCount, so consecutive passes do not get neighbouring numbers.
constexpr std::int64_t prnStride = 13;

// Slots advance their pass index at most one apart, and the index moves `slots` places
// per pass; with prnCount >= 2 * slots two slots can never show the same number at once.
int prnForPass(int firstPrn, int prnCount, int slots, int slot, std::int64_t passIndex) {
    const std::int64_t position = (slot + passIndex * slots) % prnCount;
    return firstPrn + static_cast<int>(position * prnStride % prnCount);
}

std::int64_t slotOffset(std::int64_t passSeconds, int slots, int slot) {
    return slot * passSeconds / slots;
}

}  // namespace

SkyModel::SkyModel(unsigned skySeed) : seed(skySeed) {
    for (GnssSystem system : allSystems) {
        constellations.push_back(makeConstellation(system));
    }
}

// The cycle is placed so that the last slot's satellite sets during the first two minutes:
// even the default short run shows a satellite leaving and a new one rising.
SkyModel::Constellation SkyModel::makeConstellation(GnssSystem system) const {
    const ConstellationDesign design = designOf(system);
    const std::uint64_t key = mixKey({seed, static_cast<std::uint64_t>(systemIndex(system))});
    const int slots = pickInRange(mixKey({key, 1}), design.minSlots, design.maxSlots);
    const std::int64_t passSeconds = design.passSeconds;
    const int setsAfter = pickInRange(mixKey({key, 2}), 50, 110);
    const int cyclesBefore = pickInRange(mixKey({key, 3}), 1, 1000);
    const std::int64_t lastSlotOffset = slotOffset(passSeconds, slots, slots - 1);
    const std::int64_t cycleAtStart =
        cyclesBefore * passSeconds + passSeconds - lastSlotOffset - setsAfter;
    return {system, design.firstPrn, design.prnCount, passSeconds, slots, cycleAtStart};
}

SkyPosition SkyModel::slotAt(const Constellation& constellation, int slot, int elapsed) const {
    const std::int64_t cycle = constellation.cycleAtStart + elapsed +
                               slotOffset(constellation.passSeconds, constellation.slots, slot);
    const std::int64_t passIndex = cycle / constellation.passSeconds;
    const std::int64_t secondsIntoPass = cycle % constellation.passSeconds;
    const double passFraction =
        static_cast<double>(secondsIntoPass) / static_cast<double>(constellation.passSeconds);

    SkyPosition position;
    position.system = constellation.system;
    position.passKey =
        mixKey({seed, static_cast<std::uint64_t>(systemIndex(constellation.system)),
                static_cast<std::uint64_t>(slot), static_cast<std::uint64_t>(passIndex)});
    position.prn = prnForPass(constellation.firstPrn, constellation.prnCount, constellation.slots,
                              slot, passIndex);
    position.risenAt = elapsed - static_cast<int>(secondsIntoPass);

    const int culminationDeg = pickInRange(mixKey({position.passKey, 1}), 20, 88);
    position.elevationDeg =
        static_cast<int>(roundToInteger(culminationDeg * sinDegrees(180.0 * passFraction)));

    const int riseAzimuthDeg = pickInRange(mixKey({position.passKey, 2}), 0, 359);
    const int sweepDeg = pickInRange(mixKey({position.passKey, 3}), 100, 200);
    const int direction = pickInRange(mixKey({position.passKey, 4}), 0, 1) == 0 ? -1 : 1;
    const double azimuth = wrapDegrees(riseAzimuthDeg + direction * sweepDeg * passFraction);
    position.azimuthDeg = static_cast<int>(roundToInteger(azimuth) % 360);
    return position;
}

std::vector<SkyPosition> SkyModel::visibleAt(int elapsed) const {
    std::vector<SkyPosition> visible;
    for (const Constellation& constellation : constellations) {
        const std::size_t firstOfSystem = visible.size();
        for (int slot = 0; slot < constellation.slots; ++slot) {
            visible.push_back(slotAt(constellation, slot, elapsed));
        }
        std::sort(visible.begin() + static_cast<std::ptrdiff_t>(firstOfSystem), visible.end(),
                  [](const SkyPosition& a, const SkyPosition& b) { return a.prn < b.prn; });
    }
    return visible;
}

}  // namespace skyvane::scenario
