#pragma once
// The report's position scatter: each fix's offset east and north of the
// reference in metres, on equal scales, with the CEP50 and CEP95 circles
// and the reference at the origin. The dots come from the positions the
// statistics keep (their latest sampleWindow), every stride-th of them so
// that at most scatterMostDots are drawn.

#include <cstdint>

#include "chart_display_list.h"
#include "stats/geodesy.h"
#include "stats/run_report.h"
#include "stats/sample_store.h"

constexpr std::int32_t scatterChartHeight = 440;
constexpr std::int64_t scatterMostDots = 2048;

constexpr ChartColor fixDotColor = 0x8FB0D6;
constexpr ChartColor cep50Color = 0x0E8A7E;
constexpr ChartColor cep95Color = 0xC2185B;

struct ScatterSummary {
    std::int64_t kept = 0;    // positions the statistics kept
    std::int64_t stride = 1;  // every stride-th of them was drawn
};

ScatterSummary buildScatterChart(const SampleStore<GeoPoint>& positions,
                                 const PositionReport& position, ChartDisplayList* list);
