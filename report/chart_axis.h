#pragma once
// The axes of a chart: round tick values that cover the data, and the
// mapping of values to the plot's pixels. Whatever the values (NaN, infinite,
// huge, all equal), a scale has a few finite ticks and every mapped value
// lands inside the plot.

#include <cstddef>
#include <cstdint>

#include "chart_display_list.h"

struct AxisScale {
    double low = 0;  // the first tick
    double step = 1;
    int intervals = 1;  // ticks at low + i * step for i = 0 .. intervals
    int decimals = 0;   // of the tick labels

    double high() const { return low + step * intervals; }
    double tick(int i) const { return low + step * i; }
};

// Ticks a step of 1, 2 or 5 times a power of ten apart, at most about
// `mostIntervals` of them, from a multiple of the step at or below `low` to
// one at or above `high`. Non-finite bounds count as 0 and 1; equal ones are
// widened; bounds are kept within +-1e15 and the step at 1e-6 or more.
AxisScale niceScale(double low, double high, int mostIntervals);

// The tick's label, with the scale's decimals and never "-0".
void formatTick(const AxisScale& scale, int i, char* text, std::size_t size);

struct PlotBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct ChartAxes {
    PlotBox plot;
    AxisScale x;
    AxisScale y;

    // Within the plot; a value past the scale sits at its edge, NaN at its start.
    std::int32_t xPixel(double value) const;
    std::int32_t yPixel(double value) const;
    ChartPoint at(double xValue, double yValue) const { return {xPixel(xValue), yPixel(yValue)}; }
    // A length along the x axis in pixels, within 0 and the plot's width.
    std::int32_t xLength(double value) const;
};
