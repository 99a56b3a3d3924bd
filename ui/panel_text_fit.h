#pragma once
// The one font the graphics panel draws its texts in: the largest size at
// which the widest text each box holds in practice ("2026/12/31",
// "179`59.99999'", a group label before its first number, three-digit
// numbers) fits inside the box, measured with the platform's own text
// metrics. Boxes keep their places and sizes and still clip.

#include <cstdint>

constexpr const char* panelFontFace = "Tahoma";
// Character (em) heights tried, largest first; the SVG drawing uses the largest.
constexpr int panelFontLargestPx = 10;
constexpr int panelFontSmallestPx = 7;
// Pixels a text keeps clear of its box's right edge, so it touches nothing beside.
constexpr int panelTextMargin = 2;

struct PanelTextSample {
    const char* text;
    std::int64_t width;   // of its box
    std::int64_t height;  // of its box
};

constexpr int panelTextSampleCount = 11 + 9 + 10 + 3;
// Every kind of box with the widest text it holds in practice.
const PanelTextSample* panelTextSamples();

// How a platform measures a text in the panel font at a character height.
class PanelTextMeasure {
public:
    virtual ~PanelTextMeasure() = default;
    // Returns 1 with the text's width and its line's height in pixels, or 0
    // when the font cannot be made.
    virtual int measure(const char* text, int characterPx, std::int64_t* width,
                        std::int64_t* height) = 0;
};

// The largest character height at which every sample fits; the smallest
// tried when none does.
int fitPanelFont(PanelTextMeasure& measure);
