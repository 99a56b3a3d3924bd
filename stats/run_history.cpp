#include "run_history.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double metresPerDegree = std::numbers::pi / 180 * earthRadiusM;

// The sum of (d + shift)^2 over the values d of the sums, never below 0
// (rounding may leave a hair below when the values hardly spread).
double shiftedSquareSum(double sum, double squareSum, double count, double shift) {
    return std::max(0.0, squareSum + 2 * shift * sum + count * shift * shift);
}

}  // namespace

void HistoryPoint::merge(const HistoryPoint& next) {
    samples += next.samples;
    lastElapsedMs = next.lastElapsedMs;
    for (int band = 0; band < bandCount; ++band) {
        bands[band].topFourSum += next.bands[band].topFourSum;
        bands[band].topFourSamples += next.bands[band].topFourSamples;
        bands[band].trackedSum += next.bands[band].trackedSum;
        bands[band].usedSum += next.bands[band].usedSum;
    }
    positions.count += next.positions.count;
    positions.latSum += next.positions.latSum;
    positions.lonSum += next.positions.lonSum;
    positions.latSquareSum += next.positions.latSquareSum;
    positions.lonSquareSum += next.positions.lonSquareSum;
}

void RunHistory::clear() {
    count = 0;
    perPoint = 1;
    samples = 0;
    elapsed = 0;
    firstPosition.reset();
}

void RunHistory::addSample(std::optional<std::int32_t> intervalMs,
                           const TableSample (&tables)[satTableCount], const GeoPoint* position) {
    if (intervalMs && *intervalMs > 0) {
        elapsed += *intervalMs;
    }
    HistoryPoint& point = pointForNextSample();
    point.samples += 1;
    point.lastElapsedMs = elapsed;
    TableSample bands[bandCount];
    gatherBands(tables, bands);
    for (int band = 0; band < bandCount; ++band) {
        BandHistory& history = point.bands[band];
        const int topFourSum = bands[band].topFourSum();
        history.topFourSum += topFourSum >= 0 ? topFourSum : 0;
        history.topFourSamples += topFourSum >= 0 ? 1 : 0;
        history.trackedSum += bands[band].tracked;
        history.usedSum += bands[band].used;
    }
    if (position != nullptr) {
        if (!firstPosition) {
            firstPosition = *position;
        }
        const double lat = position->lat - firstPosition->lat;
        const double lon = longitudeDifference(position->lon, firstPosition->lon);
        PositionMoments& moments = point.positions;
        moments.count += 1;
        moments.latSum += lat;
        moments.lonSum += lon;
        moments.latSquareSum += lat * lat;
        moments.lonSquareSum += lon * lon;
    }
    ++samples;
}

// The last point while it has room, else a new one, after merging when
// every point is taken.
HistoryPoint& RunHistory::pointForNextSample() {
    if (count > 0 && points[count - 1].samples < perPoint) {
        return points[count - 1];
    }
    if (count == historyPoints) {
        mergePairs();
    }
    HistoryPoint& point = points[count++];
    point = HistoryPoint();
    point.firstSample = samples;
    point.firstElapsedMs = elapsed;
    return point;
}

void RunHistory::mergePairs() {
    for (int i = 0; i < historyPoints / 2; ++i) {
        HistoryPoint merged = points[2 * i];
        merged.merge(points[2 * i + 1]);
        points[i] = merged;
    }
    count = historyPoints / 2;
    perPoint *= 2;
}

std::optional<double> rmsErrorM(const PositionMoments& moments, const GeoPoint& anchor,
                                const GeoPoint& reference) {
    if (moments.count <= 0) {
        return std::nullopt;
    }
    const double n = static_cast<double>(moments.count);
    const double latShift = anchor.lat - reference.lat;
    const double lonShift = longitudeDifference(anchor.lon, reference.lon);
    const double eastScale = std::cos(reference.lat * std::numbers::pi / 180);
    const double northSquares = shiftedSquareSum(moments.latSum, moments.latSquareSum, n, latShift);
    const double eastSquares = shiftedSquareSum(moments.lonSum, moments.lonSquareSum, n, lonShift);
    const double meanSquare = (northSquares + eastScale * eastScale * eastSquares) / n;
    const double rms = std::sqrt(meanSquare) * metresPerDegree;
    return std::isfinite(rms) ? std::optional<double>(rms) : std::nullopt;
}
