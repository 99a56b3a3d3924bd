#pragma once

#include <array>
#include <optional>
#include <vector>

#include "dop.h"
#include "gnss_system.h"
#include "route.h"
#include "signal_bands.h"
#include "utc_clock.h"

namespace skyvane::scenario {

// One satellite as listed in one GSV set.
struct SignalReport {
    int prn = 0;
    int elevationDeg = 0;
    int azimuthDeg = 0;
    std::optional<int> levelDbHz;  // empty while still searching
};

// Everything the receiver knows in one epoch; the sentence writers only format it.
struct EpochReport {
    int elapsed = 0;        // whole seconds since power-on
    int epochInSecond = 0;  // 0 for the first epoch of each second
    std::optional<UtcTime> utc;
    std::optional<RoutePoint> position;                        // present once there is a fix
    std::array<std::vector<int>, allSystems.size()> usedPrns;  // by systemIndex
    DilutionOfPrecision dop{unknownDop, unknownDop, unknownDop};
    std::array<std::vector<SignalReport>, bandCount> bands;  // parallel to signalBands()
};

}  // namespace skyvane::scenario
