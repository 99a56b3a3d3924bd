#pragma once

#include <cstdint>
#include <string>

struct PanelDisplayList;

// Appends a whole SVG document that draws the list in the panel's own pixel
// coordinates, `width` x `height` (a negative size counts as 0).
void appendPanelSvg(std::string& out, const PanelDisplayList& list, std::int32_t width,
                    std::int32_t height);
