#pragma once
// Positions in decimal degrees and their offsets from a reference in metres,
// on a sphere of the Earth's mean radius: the run report's small-area
// approximation, good to well under a millimetre over a receiver's scatter.

#include <cstdint>

struct GeoPoint {
    double lat = 0;  // degrees, north positive
    double lon = 0;  // degrees, east positive
};

constexpr double earthRadiusM = 6371008.8;

// lon - lonRef taken in (-180, 180], so that 179.9 and -179.9 are 0.2 apart.
double longitudeDifference(double lon, double lonRef);

struct LocalOffset {
    double east = 0;
    double north = 0;
};

// north = (lat - latRef) * pi/180 * R, east = (lon - lonRef) * pi/180 * R * cos(latRef).
LocalOffset offsetFrom(const GeoPoint& point, const GeoPoint& reference);

// The mean of positions. Longitudes are averaged as differences from the
// first one, so positions either side of the 180th meridian average to a
// point among them and not to the other side of the Earth.
class MeanPosition {
public:
    void add(const GeoPoint& point);
    std::int64_t count() const { return n; }
    // Meaningful only with count() > 0; the longitude in (-180, 180].
    GeoPoint mean() const;

private:
    GeoPoint anchor;
    double latSum = 0;
    double lonDifferenceSum = 0;
    std::int64_t n = 0;
};
