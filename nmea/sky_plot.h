#pragma once

#include <cstdint>

struct SkyPoint {
    std::int32_t x;
    std::int32_t y;
};

// Position on the 155-pixel sky plot: zenith at the centre (77, 77), 0.7 pixel
// per degree of zenith distance, north up and east to the right.
SkyPoint skyPlotPosition(std::int32_t elevation, std::int32_t azimuth);
