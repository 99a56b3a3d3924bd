#include "geodesy.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double radiansPerDegree = std::numbers::pi / 180;

}  // namespace

double longitudeDifference(double lon, double lonRef) {
    double difference = std::fmod(lon - lonRef, 360.0);
    if (difference > 180) {
        difference -= 360;
    } else if (difference <= -180) {
        difference += 360;
    }
    return difference;
}

LocalOffset offsetFrom(const GeoPoint& point, const GeoPoint& reference) {
    LocalOffset offset;
    offset.north = (point.lat - reference.lat) * radiansPerDegree * earthRadiusM;
    offset.east = longitudeDifference(point.lon, reference.lon) * radiansPerDegree * earthRadiusM *
                  std::cos(reference.lat * radiansPerDegree);
    return offset;
}

void MeanPosition::add(const GeoPoint& point) {
    if (n == 0) {
        anchor = point;
    }
    latSum += point.lat;
    lonDifferenceSum += longitudeDifference(point.lon, anchor.lon);
    ++n;
}

GeoPoint MeanPosition::mean() const {
    const double count = static_cast<double>(n);
    GeoPoint mean;
    mean.lat = latSum / count;
    mean.lon = longitudeDifference(anchor.lon + lonDifferenceSum / count, 0);
    return mean;
}
