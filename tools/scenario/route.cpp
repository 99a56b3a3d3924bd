#include "route.h"

#include <cstdint>

#include "angles.h"
#include "prng.h"

namespace skyvane::scenario {

namespace {

constexpr double startLatitudeDeg = 48.0 + 8.0 / 60.0;
constexpr double startLongitudeDeg = 11.0 + 34.0 / 60.0;
constexpr double metresPerDegreeLatitude = 111194.93;  // 6371 km sphere

constexpr double meanSpeedKmh = 45.0;
constexpr double slowSwingKmh = 12.0;  // plus the traffic swing: stays within 30..60
constexpr double trafficSwingKmh = 3.0;
constexpr double slowSwingPeriodS = 150.0;
constexpr double trafficPeriodS = 37.0;
constexpr double maxTurnRateDegPerS = 3.5;  // bends of about +-50 degrees
constexpr double turnPeriodS = 90.0;
constexpr double baseAltitudeM = 519.0;
constexpr double hillSwingM = 4.0;
constexpr double hillPeriodS = 240.0;

double cycleFraction(unsigned seed, std::uint64_t what) {
    return pickInRange(mixKey({seed, 0x726F757465ull, what}), 0, 999) / 1000.0;
}

double wave(double elapsed, double periodS, double phase) {
    return sinDegrees(360.0 * (elapsed / periodS + phase));
}

}  // namespace

Route::Route(unsigned seed, int epochsPerSecond) : epochRate(epochsPerSecond) {
    rhythm.speedPhase = cycleFraction(seed, 1);
    rhythm.trafficPhase = cycleFraction(seed, 2);
    rhythm.turnPhase = cycleFraction(seed, 3);
    rhythm.hillPhase = cycleFraction(seed, 4);
    point.latitudeDeg = startLatitudeDeg;
    point.longitudeDeg = startLongitudeDeg;
    point.courseDeg = pickInRange(mixKey({seed, 0x636F75727365ull}), 0, 359);
    point.speedMps = speedAt(0);
    point.altitudeM = altitudeAt(0);
}

double Route::speedAt(double t) const {
    const double kmh = meanSpeedKmh + slowSwingKmh * wave(t, slowSwingPeriodS, rhythm.speedPhase) +
                       trafficSwingKmh * wave(t, trafficPeriodS, rhythm.trafficPhase);
    return kmh / 3.6;
}

double Route::turnRateAt(double elapsed) const {
    return maxTurnRateDegPerS * wave(elapsed, turnPeriodS, rhythm.turnPhase);
}

double Route::altitudeAt(double elapsed) const {
    return baseAltitudeM + hillSwingM * wave(elapsed, hillPeriodS, rhythm.hillPhase);
}

double Route::secondsElapsed() const {
    return static_cast<double>(epochsElapsed) / epochRate;
}

// At one epoch a second the step is exactly 1.0, so each product is the one a whole-second
// drive computes and the default stream keeps its bytes.
void Route::advanceOneEpoch() {
    const double step = 1.0 / epochRate;
    const double metres = point.speedMps * step;
    const double northM = metres * cosDegrees(point.courseDeg);
    const double eastM = metres * sinDegrees(point.courseDeg);
    point.latitudeDeg += northM / metresPerDegreeLatitude;
    point.longitudeDeg += eastM / (metresPerDegreeLatitude * cosDegrees(point.latitudeDeg));
    point.courseDeg = wrapDegrees(point.courseDeg + turnRateAt(secondsElapsed()) * step);
    ++epochsElapsed;
    point.speedMps = speedAt(secondsElapsed());
    point.altitudeM = altitudeAt(secondsElapsed());
}

}  // namespace skyvane::scenario
