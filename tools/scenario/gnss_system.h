#pragma once

#include <array>

namespace skyvane::scenario {

enum class GnssSystem { gps, glonass, galileo, beiDou };

inline constexpr std::array<GnssSystem, 4> allSystems = {GnssSystem::gps, GnssSystem::glonass,
                                                         GnssSystem::galileo, GnssSystem::beiDou};

// Position of the system in allSystems; also the GSA system ID minus one.
inline constexpr int systemIndex(GnssSystem system) {
    return static_cast<int>(system);
}

// The GSA system ID field of NMEA 4.11.
inline constexpr int nmeaSystemId(GnssSystem system) {
    return systemIndex(system) + 1;
}

// QZSS is not simulated; only its GSA is written.
inline constexpr int qzssSystemId = 5;

}  // namespace skyvane::scenario
