#pragma once

#include <cstdint>
#include <vector>

#include "gnss_system.h"

namespace skyvane::scenario {

// One satellite above the horizon at one second.
struct SkyPosition {
    GnssSystem system = GnssSystem::gps;
    int prn = 0;  // as written in NMEA: GLONASS 65-88, the others from 1
    int elevationDeg = 0;
    int azimuthDeg = 0;
    int risenAt = 0;  // elapsed second at which this pass began; negative if before the run
    std::uint64_t passKey = 0;  // identifies this pass of this satellite
};

// A sky of medium-orbit satellites seen from mid-latitude. Each constellation has a fixed
// number of "slots" whose passes are evenly staggered in time: when one satellite sets, the
// next one rises in the same slot, so the count in view stays steady over any run length.
// Within a pass elevation follows a half sine up to a per-pass maximum and azimuth sweeps
// steadily, which moves about as fast as real satellites do (well under a degree a minute).
class SkyModel {
public:
    explicit SkyModel(unsigned skySeed);

    // Ordered by system (allSystems order), then PRN.
    std::vector<SkyPosition> visibleAt(int elapsed) const;

private:
    struct Constellation {
        GnssSystem system;
        int firstPrn;
        int prnCount;
        std::int64_t passSeconds;
        int slots;
        std::int64_t cycleAtStart;  // seconds into the pass cycle at elapsed 0
    };

    Constellation makeConstellation(GnssSystem system) const;
    SkyPosition slotAt(const Constellation& constellation, int slot, int elapsed) const;

    unsigned seed;
    std::vector<Constellation> constellations;
};

}  // namespace skyvane::scenario
