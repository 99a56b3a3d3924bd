#include "chart_axis.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "stats/json_text.h"

namespace {

constexpr double largestBound = 1e15;
constexpr double smallestSpan = 1e-6;

double bounded(double value, double fallback) {
    if (!std::isfinite(value)) {
        return fallback;
    }
    return value < -largestBound ? -largestBound : (value > largestBound ? largestBound : value);
}

// The fraction of the way from `low` to `high`, within 0 and 1.
double fractionOf(double value, const AxisScale& scale) {
    const double fraction = (value - scale.low) / (scale.high() - scale.low);
    if (!(fraction > 0)) {  // also NaN
        return 0;
    }
    return fraction < 1 ? fraction : 1;
}

std::int32_t along(std::int32_t from, std::int32_t to, double fraction) {
    return from + static_cast<std::int32_t>(std::lround(fraction * (to - from)));
}

}  // namespace

AxisScale niceScale(double low, double high, int mostIntervals) {
    low = bounded(low, 0);
    high = bounded(high, 1);
    if (low > high) {
        const double swap = low;
        low = high;
        high = swap;
    }
    if (high - low < smallestSpan) {
        const double half = std::fmax(std::fabs(low) * 0.05, 0.5);
        low -= half;
        high += half;
    }
    mostIntervals = mostIntervals < 1 ? 1 : mostIntervals;
    const double raw = (high - low) / mostIntervals;
    const int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const double power = std::pow(10.0, exponent);
    const double multiple = raw / power;
    const int factor = multiple <= 1 ? 1 : (multiple <= 2 ? 2 : (multiple <= 5 ? 5 : 10));
    AxisScale scale;
    scale.step = factor * power;
    scale.decimals = factor == 10 ? -(exponent + 1) : -exponent;
    scale.decimals = scale.decimals < 0 ? 0 : scale.decimals;
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.intervals = static_cast<int>(std::ceil((high - scale.low) / scale.step - 1e-9));
    scale.intervals = scale.intervals < 1 ? 1 : scale.intervals;
    return scale;
}

void formatTick(const AxisScale& scale, int i, char* text, std::size_t size) {
    std::string label;  // short enough to stay in the string itself
    appendFixed(label, scale.tick(i), scale.decimals);
    std::snprintf(text, size, "%s", label.c_str());
}

std::int32_t ChartAxes::xPixel(double value) const {
    return along(plot.left, plot.right, fractionOf(value, x));
}

std::int32_t ChartAxes::yPixel(double value) const {
    return along(plot.bottom, plot.top, fractionOf(value, y));
}

std::int32_t ChartAxes::xLength(double value) const {
    const double fraction = value / (x.high() - x.low);
    if (!(fraction > 0)) {
        return 0;
    }
    return along(0, plot.right - plot.left, fraction < 1 ? fraction : 1);
}
