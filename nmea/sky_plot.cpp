#include "sky_plot.h"

#include <cmath>

SkyPoint skyPlotPosition(std::int32_t elevation, std::int32_t azimuth) {
    // Exact integer differences first, so out-of-range fields cannot overflow.
    const std::int64_t turned = static_cast<std::int64_t>(azimuth) - 90;
    const std::int64_t zenithDistance = 90 - static_cast<std::int64_t>(elevation);
    const double angle = static_cast<double>(turned) * 3.14159 / 180;
    const double radius = static_cast<double>(zenithDistance) * 0.7;
    // |radius| stays below 1.6e9, so both coordinates fit a 32-bit integer.
    return SkyPoint{static_cast<std::int32_t>(77 + radius * std::cos(angle)),
                    static_cast<std::int32_t>(77 + radius * std::sin(angle))};
}
