#include "signal_bands.h"

#include <algorithm>

namespace skyvane::scenario {

namespace {

constexpr int gpsL5Q = 8;
constexpr int beiDouB2a = 5;

// The block IIF and III satellites; the older ones have no L5.
constexpr std::array<int, 18> gpsWithL5 = {1,  3,  4,  6,  8,  9,  10, 11, 14,
                                           18, 23, 24, 25, 26, 27, 28, 30, 32};

// B2a is a third-generation signal; BeiDou 1-18 are second generation.
constexpr int firstBeiDouWithB2a = 19;

}  // namespace

const std::array<SignalBand, bandCount>& signalBands() {
    static constexpr std::array<SignalBand, bandCount> bands = {{
        {GnssSystem::gps, "GP", 1, true, 0},              // L1 C/A
        {GnssSystem::gps, "GP", gpsL5Q, false, 3},        // L5-Q
        {GnssSystem::glonass, "GL", 1, true, -1},         // L1 OF
        {GnssSystem::galileo, "GA", 7, true, 0},          // E1-B/C
        {GnssSystem::galileo, "GA", 1, false, 3},         // E5a
        {GnssSystem::beiDou, "GB", 1, true, -1},          // B1I
        {GnssSystem::beiDou, "GB", beiDouB2a, false, 2},  // B2a
    }};
    return bands;
}

bool transmits(const SignalBand& band, int prn) {
    if (band.system == GnssSystem::gps && band.signalId == gpsL5Q) {
        return std::find(gpsWithL5.begin(), gpsWithL5.end(), prn) != gpsWithL5.end();
    }
    if (band.system == GnssSystem::beiDou && band.signalId == beiDouB2a) {
        return prn >= firstBeiDouWithB2a;
    }
    return true;
}

}  // namespace skyvane::scenario
