#pragma once
// What every chart of the report is drawn with: the plot's frame, grid,
// ticks and labels, the axis titles, a legend, the "no data" of an empty
// chart, and a series as lines with gaps where it has no value.

#include <cstdint>

#include "chart_axis.h"
#include "chart_display_list.h"

constexpr std::int32_t chartWidth = 600;
constexpr std::int32_t tickLabelSize = 11;
constexpr std::int32_t labelSize = 12;

struct AxisTitles {
    const char* x;
    const char* y;
};

// A white ground, the grid at every tick, the plot's frame, ticks and their
// labels outside it, and the axis titles (the y title turned upright).
void drawAxes(ChartDisplayList& list, const ChartAxes& axes, const AxisTitles& titles);

// An empty plot for a chart without a value to draw: ground, frame, titles
// and "no data" in its middle.
void drawNoData(ChartDisplayList& list, const PlotBox& plot, const AxisTitles& titles);

enum class LegendMark : std::uint8_t { line, dot, ring, cross };

struct LegendItem {
    const char* label;
    ChartColor color;
    LegendMark mark;
};

// Items side by side from `at` (the first text's baseline); each text's
// width is estimated, as the list knows no font.
void drawLegendRow(ChartDisplayList& list, ChartPoint at, const LegendItem* items, int count);
// Items one under another from `at`.
void drawLegendColumn(ChartDisplayList& list, ChartPoint at, const LegendItem* items, int count);

// Metres, or kilometres from 10 km on, so that tick labels stay short
// enough for the plot's margin.
struct DistanceUnit {
    double metres = 1;
    const char* name = "m";
};

DistanceUnit distanceUnitFor(double largestMetres);

struct SeriesValue {
    double x = 0;
    double y = 0;
    bool present = false;  // false: a gap in the line
};

// Polylines through each run of present, finite values, and a dot for a
// value that stands alone between gaps. Returns how many values it drew.
int drawSeries(ChartDisplayList& list, const ChartAxes& axes, const SeriesValue* values, int count,
               ChartColor color, std::int32_t width);

// True when the value can be drawn.
bool drawable(const SeriesValue& value);
