#include "nmea/sky_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct Case {
    std::int32_t elevation;
    std::int32_t azimuth;
    std::int32_t x;
    std::int32_t y;
};

// x = 77 + r cos t, y = 77 + r sin t with t = (a - 90) * 3.14159 / 180 and
// r = (90 - e) * 0.7, each truncated toward zero. The constant 3.14159 is a
// little below pi, which shows at the compass points (0/180 gives 139).
TEST(SkyPlot, PositionFollowsTheTruncatedFormula) {
    const Case cases[] = {
        {40, 83, 111, 72},  // 77 + 35 cos(-7 deg), 77 + 35 sin(-7 deg)
        {17, 308, 36, 45},
        {7, 344, 60, 21},
        {22, 228, 41, 108},
        {90, 0, 77, 77},
        {90, 123, 77, 77},
        {0, 0, 77, 14},
        {0, 90, 140, 77},
        {0, 180, 77, 139},
        {0, 270, 14, 77},
        {45, 45, 99, 54},
        {33, -40, 51, 46},
        {10, 400, 112, 34},
        {100, 0, 76, 83},      // above the zenith: negative radius
        {-100, 270, -55, 77},  // toward zero, not down to -56
        {std::numeric_limits<std::int32_t>::min(), 0, 2071, -1503238539},
        {std::numeric_limits<std::int32_t>::max(), 0, -1917, 1503238566},
    };
    for (const Case& c : cases) {
        const SkyPoint point = skyPlotPosition(c.elevation, c.azimuth);
        EXPECT_EQ(point.x, c.x) << c.elevation << "/" << c.azimuth;
        EXPECT_EQ(point.y, c.y) << c.elevation << "/" << c.azimuth;
    }
}

// Whole azimuths take their cosine and sine from a table; every position must
// still be the one the formula gives, inside the circle and out.
TEST(SkyPlot, EveryWholeAzimuthMatchesTheFormula) {
    int mismatches = 0;
    for (std::int32_t azimuth = -400; azimuth <= 800; ++azimuth) {
        const double angle = static_cast<double>(azimuth - 90) * 3.14159 / 180;
        for (std::int32_t elevation = -100; elevation <= 190; elevation += 3) {
            const double radius = static_cast<double>(90 - elevation) * 0.7;
            const SkyPoint point = skyPlotPosition(elevation, azimuth);
            mismatches += point.x != static_cast<std::int32_t>(77 + radius * std::cos(angle));
            mismatches += point.y != static_cast<std::int32_t>(77 + radius * std::sin(angle));
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
