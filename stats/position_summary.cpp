#include "position_summary.h"

#include <cmath>

#include "percentiles.h"

namespace {

std::optional<GeoPoint> referenceFor(const SampleStore<GeoPoint>& positions,
                                     const std::optional<GeoPoint>& given) {
    if (given || positions.size() == 0) {
        return given;
    }
    MeanPosition mean;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        mean.add(positions.at(i));
    }
    return mean.mean();
}

// sqrt is exact in IEEE arithmetic, unlike hypot, so every platform agrees.
void summarizeErrors(const SampleStore<GeoPoint>& positions, const GeoPoint& reference,
                     double* errors, PositionReport* report) {
    const std::size_t n = positions.size();
    double eastSum = 0, northSum = 0, squareSum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const LocalOffset offset = offsetFrom(positions.at(i), reference);
        const double square = offset.east * offset.east + offset.north * offset.north;
        eastSum += offset.east;
        northSum += offset.north;
        squareSum += square;
        errors[i] = std::sqrt(square);
    }
    const double count = static_cast<double>(n);
    report->meanEastM = eastSum / count;
    report->meanNorthM = northSum / count;
    report->drms2M = 2 * std::sqrt(squareSum / count);
    report->maxErrorM = *std::max_element(errors, errors + n);
    report->cep50M = percentileOf(errors, n, 50);
    report->cep95M = percentileOf(errors, n, 95);
}

}  // namespace

PositionReport summarizePositions(const SampleStore<GeoPoint>& positions, std::int64_t fixes,
                                  const std::optional<GeoPoint>& givenReference, double* errors) {
    PositionReport report;
    report.fixes = fixes;
    report.reference.given = givenReference.has_value();
    const std::optional<GeoPoint> reference = referenceFor(positions, givenReference);
    if (reference) {
        report.reference.lat = reference->lat;
        report.reference.lon = reference->lon;
    }
    if (reference && positions.size() > 0) {
        summarizeErrors(positions, *reference, errors, &report);
    }
    return report;
}
