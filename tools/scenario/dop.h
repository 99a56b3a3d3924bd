#pragma once

#include <optional>
#include <vector>

#include "gnss_system.h"

namespace skyvane::scenario {

struct LineOfSight {
    GnssSystem system = GnssSystem::gps;
    int elevationDeg = 0;
    int azimuthDeg = 0;
};

struct DilutionOfPrecision {
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
};

// What receivers print while they have no solution.
inline constexpr double unknownDop = 99.99;

// Dilution of precision of a least-squares fix from these satellites: east, north, up and
// one receiver clock offset per constellation, as a multi-GNSS receiver solves it.
// Nothing when the geometry cannot be solved.
std::optional<DilutionOfPrecision> computeDop(const std::vector<LineOfSight>& satellites);

}  // namespace skyvane::scenario
