#pragma once
// The course of a run, for the report's charts: per band the top-4 mean and
// the tracked and used counts, and the positions, sample after sample. Fixed
// storage of historyPoints points: while there is room each sample is a point
// of its own; once every point is taken, neighbours merge in pairs and each
// point from then on covers twice as many samples. A run of any length is
// drawn from at most historyPoints points, each the mean of an equal run of
// consecutive samples (the last one still filling), at O(1) per sample.

#include <cstdint>
#include <optional>

#include "geodesy.h"
#include "nmea/receiver_state.h"
#include "signal_tally.h"
#include "table_sample.h"

constexpr int historyPoints = 512;

// One band's sums over a point's samples.
struct BandHistory {
    std::int64_t topFourSum = 0;      // four times the top-4 mean, summed
    std::int64_t topFourSamples = 0;  // samples that had a top-4
    std::int64_t trackedSum = 0;
    std::int64_t usedSum = 0;
};

// The positions of a point's fix samples as sums of their degrees from the
// run's first position and of their squares: enough to give the RMS
// horizontal error from any reference, known only at the end of the run.
struct PositionMoments {
    std::int64_t count = 0;
    double latSum = 0;
    double lonSum = 0;
    double latSquareSum = 0;
    double lonSquareSum = 0;
};

struct HistoryPoint {
    std::int64_t firstSample = 0;  // the index of its first sample in the run
    std::int64_t samples = 0;
    // The receiver's time since the run's first sample: the sum of the
    // intervals that went forward, so a step back in time stays in place.
    std::int64_t firstElapsedMs = 0;
    std::int64_t lastElapsedMs = 0;
    BandHistory bands[bandCount];
    PositionMoments positions;

    // Takes in the samples of the point that follows it.
    void merge(const HistoryPoint& next);
};

class RunHistory {
public:
    void clear();

    // One sample: its interval from the sample before (when both had a
    // time), what it found in the ten tables, and its position at a fix.
    void addSample(std::optional<std::int32_t> intervalMs,
                   const TableSample (&tables)[satTableCount], const GeoPoint* position);

    int pointCount() const { return count; }
    const HistoryPoint& point(int index) const { return points[index]; }
    // Samples each full point covers: 1, 2, 4, ...
    std::int64_t samplesPerPoint() const { return perPoint; }
    std::int64_t elapsedMs() const { return elapsed; }
    // The first position, from which the moments are taken; none before it.
    const std::optional<GeoPoint>& anchor() const { return firstPosition; }

private:
    HistoryPoint& pointForNextSample();
    void mergePairs();

    HistoryPoint points[historyPoints];
    int count = 0;
    std::int64_t perPoint = 1;
    std::int64_t samples = 0;
    std::int64_t elapsed = 0;
    std::optional<GeoPoint> firstPosition;
};

// The root mean square of the horizontal errors of a point's positions from
// `reference`, in metres, as the report takes errors; none without positions.
std::optional<double> rmsErrorM(const PositionMoments& moments, const GeoPoint& anchor,
                                const GeoPoint& reference);
