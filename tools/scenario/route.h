#pragma once

namespace skyvane::scenario {

// Where the car is at one second, as a receiver with a fix would report it.
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
    explicit Route(unsigned seed);

    const RoutePoint& current() const { return point; }
    void advanceOneSecond();

private:
    struct Rhythm {
        double speedPhase = 0.0;  // fractions of a cycle
        double trafficPhase = 0.0;
        double turnPhase = 0.0;
        double hillPhase = 0.0;
    };

    double speedAt(int elapsed) const;
    double turnRateAt(int elapsed) const;
    double altitudeAt(int elapsed) const;

    Rhythm rhythm;
    int secondsElapsed = 0;
    RoutePoint point;
};

}  // namespace skyvane::scenario
