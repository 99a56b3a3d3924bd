#pragma once
// The position part of the report: the reference (given, or the mean of the
// positions), and the horizontal errors from it.

#include <cstdint>
#include <optional>

#include "geodesy.h"
#include "run_report.h"
#include "sample_store.h"

// `fixes`: every fix sample with a position, kept or not; the statistics
// are over the positions the store kept. `errors` has room for sampleWindow.
PositionReport summarizePositions(const SampleStore<GeoPoint>& positions, std::int64_t fixes,
                                  const std::optional<GeoPoint>& givenReference, double* errors);
