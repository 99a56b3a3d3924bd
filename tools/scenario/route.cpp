#include "route.h"

#include <cstdint>

#include "angles.h"
#include "prng.h"

namespace skyvane::scenario {

namespace {

constexpr double kStartLatitudeDeg = 48.0 + 8.0 / 60.0;
constexpr double kStartLongitudeDeg = 11.0 + 34.0 / 60.0;
constexpr double kMetresPerDegreeLatitude = 111194.93;  // 6371 km sphere

constexpr double kMeanSpeedKmh = 45.0;
constexpr double kSlowSwingKmh = 12.0;  // plus the traffic swing: stays within 30..60
constexpr double kTrafficSwingKmh = 3.0;
constexpr double kSlowSwingPeriodS = 150.0;
constexpr double kTrafficPeriodS = 37.0;
constexpr double kMaxTurnRateDegPerS = 3.5;  // bends of about +-50 degrees
constexpr double kTurnPeriodS = 90.0;
constexpr double kBaseAltitudeM = 519.0;
constexpr double kHillSwingM = 4.0;
constexpr double kHillPeriodS = 240.0;

double cycleFraction(unsigned seed, std::uint64_t what) {
    return pickInRange(mixKey({seed, 0x726F757465ull, what}), 0, 999) / 1000.0;
}

double wave(double elapsed, double periodS, double phase) {
    return sinDegrees(360.0 * (elapsed / periodS + phase));
}

}  // namespace

Route::Route(unsigned seed) {
    rhythm_.speedPhase = cycleFraction(seed, 1);
    rhythm_.trafficPhase = cycleFraction(seed, 2);
    rhythm_.turnPhase = cycleFraction(seed, 3);
    rhythm_.hillPhase = cycleFraction(seed, 4);
    point_.latitudeDeg = kStartLatitudeDeg;
    point_.longitudeDeg = kStartLongitudeDeg;
    point_.courseDeg = pickInRange(mixKey({seed, 0x636F75727365ull}), 0, 359);
    point_.speedMps = speedAt(0);
    point_.altitudeM = altitudeAt(0);
}

double Route::speedAt(int elapsed) const {
    const double t = elapsed;
    const double kmh = kMeanSpeedKmh +
                       kSlowSwingKmh * wave(t, kSlowSwingPeriodS, rhythm_.speedPhase) +
                       kTrafficSwingKmh * wave(t, kTrafficPeriodS, rhythm_.trafficPhase);
    return kmh / 3.6;
}

double Route::turnRateAt(int elapsed) const {
    return kMaxTurnRateDegPerS * wave(elapsed, kTurnPeriodS, rhythm_.turnPhase);
}

double Route::altitudeAt(int elapsed) const {
    return kBaseAltitudeM + kHillSwingM * wave(elapsed, kHillPeriodS, rhythm_.hillPhase);
}

void Route::advanceOneSecond() {
    const double northM = point_.speedMps * cosDegrees(point_.courseDeg);
    const double eastM = point_.speedMps * sinDegrees(point_.courseDeg);
    point_.latitudeDeg += northM / kMetresPerDegreeLatitude;
    point_.longitudeDeg += eastM / (kMetresPerDegreeLatitude * cosDegrees(point_.latitudeDeg));
    point_.courseDeg = wrapDegrees(point_.courseDeg + turnRateAt(elapsed_));
    ++elapsed_;
    point_.speedMps = speedAt(elapsed_);
    point_.altitudeM = altitudeAt(elapsed_);
}

}  // namespace skyvane::scenario
