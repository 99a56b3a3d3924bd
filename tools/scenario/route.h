#pragma once

namespace skyvane::scenario {

// Where the car is at one epoch, as a receiver with a fix would report it.
struct RoutePoint {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    double altitudeM = 0.0;
    double speedMps = 0.0;
    double courseDeg = 0.0;  // true course over ground, [0, 360)
};

// A drive through town: speed wanders between 30 and 60 km/h, the road bends smoothly left
// and right. The car is moving from the first second on; a cold receiver just does not know
// where it is yet.
class Route {
public:
    // `epochsPerSecond` receiver epochs make one second of the drive.
    Route(unsigned seed, int epochsPerSecond);

    const RoutePoint& current() const { return point; }
    void advanceOneEpoch();

private:
    struct Rhythm {
        double speedPhase = 0.0;  // fractions of a cycle
        double trafficPhase = 0.0;
        double turnPhase = 0.0;
        double hillPhase = 0.0;
    };

    double speedAt(double elapsed) const;
    double turnRateAt(double elapsed) const;
    double altitudeAt(double elapsed) const;
    // Counted in whole epochs: a sum of tenths would drift from the true time.
    double secondsElapsed() const;

    Rhythm rhythm;
    int epochRate;
    long long epochsElapsed = 0;
    RoutePoint point;
};

}  // namespace skyvane::scenario
