#pragma once
// The sky-plot picture (res/sky.bmp, a 155 x 155 BMP), built into the tool.

#include <cstddef>
#include <cstdint>

extern const std::uint8_t skyPictureBmp[];
extern const std::size_t skyPictureBmpSize;
