#include "report/chart_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string ticksOf(const AxisScale& scale) {
    std::string text;
    for (int i = 0; i <= scale.intervals; ++i) {
        char label[32];
        formatTick(scale, i, label, sizeof label);
        text += (i > 0 ? " " : "") + std::string(label);
    }
    return text;
}

// Round ticks (1, 2 or 5 times a power of ten) that just cover the data.
TEST(ChartAxis, TicksAreRoundAndCoverTheData) {
    struct Case {
        double low;
        double high;
        int most;
        const char* ticks;
    };
    const Case cases[] = {
        {0, 117, 8, "0 20 40 60 80 100 120"},
        {38.25, 42.75, 5, "38 39 40 41 42 43"},
        {0, 51, 5, "0 20 40 60"},
        {-486.09, 486.09, 6, "-600 -400 -200 0 200 400 600"},
        {0, 0.0042, 5, "0.000 0.001 0.002 0.003 0.004 0.005"},
        {0, 1, 5, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {12.5, 12.5, 5, "11.5 12.0 12.5 13.0 13.5"},  // equal bounds widened
        {0, 0, 8, "-0.6 -0.4 -0.2 0.0 0.2 0.4 0.6"},
        {-0.3, -0.1, 4, "-0.30 -0.25 -0.20 -0.15 -0.10"},
        {1e6, 3.6e6, 8, "1000000 1500000 2000000 2500000 3000000 3500000 4000000"},
    };
    for (const Case& c : cases) {
        const AxisScale scale = niceScale(c.low, c.high, c.most);
        EXPECT_EQ(ticksOf(scale), c.ticks) << c.low << ".." << c.high;
        EXPECT_LE(scale.low, c.low + scale.step * 1e-9);
        EXPECT_GE(scale.high(), c.high - scale.step * 1e-9);
        EXPECT_LE(scale.intervals, c.most + 2);
    }
}

// Hostile bounds: NaN, infinities, the largest doubles, reversed. The scale
// stays finite with a few ticks, and a mapped value never leaves the plot.
TEST(ChartAxis, HostileValuesGiveAFiniteScaleAndPixelsInsideThePlot) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double big = std::numeric_limits<double>::max();
    const double pairs[][2] = {{nan, nan}, {-inf, inf},      {inf, -inf}, {-big, big},
                               {5, -5},    {1e-300, 2e-300}, {big, big}};
    ChartAxes axes;
    axes.plot = {70, 40, 580, 248};
    for (const auto& pair : pairs) {
        axes.x = niceScale(pair[0], pair[1], 6);
        axes.y = axes.x;
        EXPECT_TRUE(std::isfinite(axes.x.low) && std::isfinite(axes.x.high())) << pair[0];
        EXPECT_GT(axes.x.step, 0);
        EXPECT_GE(axes.x.intervals, 1);
        EXPECT_LE(axes.x.intervals, 8);
        EXPECT_LE(ticksOf(axes.x).size(), 8u * 20u);
        for (double value : {nan, inf, -inf, big, -big, 0.0, pair[0], pair[1]}) {
            const ChartPoint point = axes.at(value, value);
            EXPECT_GE(point.x, axes.plot.left);
            EXPECT_LE(point.x, axes.plot.right);
            EXPECT_GE(point.y, axes.plot.top);
            EXPECT_LE(point.y, axes.plot.bottom);
            EXPECT_GE(axes.xLength(value), 0);
            EXPECT_LE(axes.xLength(value), axes.plot.right - axes.plot.left);
        }
    }
}

// Values map linearly: the scale's ends are the plot's edges, y grows upwards.
TEST(ChartAxis, ValuesMapOntoThePlotLinearly) {
    ChartAxes axes;
    axes.plot = {100, 50, 300, 250};
    axes.x = niceScale(0, 100, 5);
    axes.y = niceScale(-10, 10, 4);
    EXPECT_EQ(axes.xPixel(0), 100);
    EXPECT_EQ(axes.xPixel(100), 300);
    EXPECT_EQ(axes.xPixel(25), 150);
    EXPECT_EQ(axes.yPixel(-10), 250);
    EXPECT_EQ(axes.yPixel(10), 50);
    EXPECT_EQ(axes.yPixel(0), 150);
    EXPECT_EQ(axes.yPixel(1000), 50);  // past the scale: at its edge
    EXPECT_EQ(axes.xLength(50), 100);
}

}  // namespace
