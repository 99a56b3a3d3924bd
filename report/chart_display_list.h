#pragma once
// A chart of the run report as an ordered list of drawing operations, as the
// graphics panel is drawn: every layout rule lives where the list is built,
// and a writer (SVG in the report page) only executes the operations in
// order. Coordinates are whole pixels of the chart, each inside it; a list
// is fixed in size and its builders never write past it.

#include <cstddef>
#include <cstdint>

#include "base/fixed_text.h"

// 0xRRGGBB.
using ChartColor = std::uint32_t;

constexpr ChartColor chartWhite = 0xFFFFFF;
constexpr ChartColor chartInk = 0x1F2328;    // axis labels, texts, the reference
constexpr ChartColor chartMuted = 0x57606A;  // tick labels, "no data"
constexpr ChartColor chartAxis = 0x8C959F;   // the plot's frame and ticks
constexpr ChartColor chartGrid = 0xE4E7EB;   // grid lines inside the plot

struct ChartPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

enum class ChartOpKind : std::uint8_t {
    rect,  // from `a` to `b`: filled with `fill` when `filled`, outlined in `color` when width > 0
    line,  // from `a` to `b`
    polyline,  // through points[first .. first + count)
    dots,      // a round dot of diameter `width` at each of points[first .. first + count)
    circle,    // centred on `a`, radius `radius`, outlined
    text,      // texts[textIndex] at `a`, its baseline through `a`
};

enum class TextAlign : std::uint8_t { start, middle, end };

struct ChartOp {
    ChartOpKind kind = ChartOpKind::line;
    ChartColor color = chartInk;  // stroke, dots or text colour
    ChartColor fill = chartWhite;
    bool filled = false;
    std::int32_t width = 1;  // stroke width or dot diameter in pixels
    bool crisp = false;      // snapped to whole pixels (frames and grid lines)
    ChartPoint a;
    ChartPoint b;
    std::int32_t radius = 0;
    std::int32_t first = 0;
    std::int32_t count = 0;
    // Text only.
    std::int32_t textIndex = 0;
    std::int32_t fontSize = 12;
    TextAlign align = TextAlign::start;
    bool vertical = false;  // turned a quarter anticlockwise about `a`
    bool bold = false;
};

using ChartText = FixedText<48>;

struct ChartDisplayList {
    // Four series of historyPoints points, or the scatter's dots, with room
    // to spare; a polyline for each unbroken run of a series.
    static constexpr std::size_t opCapacity = 1400;
    static constexpr std::size_t pointCapacity = 4096;
    static constexpr std::size_t textCapacity = 96;

    std::int32_t width = 0;
    std::int32_t height = 0;
    ChartOp ops[opCapacity];
    std::size_t opCount = 0;
    ChartPoint points[pointCapacity];
    std::size_t pointCount = 0;
    ChartText texts[textCapacity];
    std::size_t textCount = 0;

    void clear(std::int32_t chartWidth, std::int32_t chartHeight);

    // Each returns the new operation, or nullptr when the list is full (the
    // chart then lacks it, but stays well formed).
    ChartOp* add(ChartOpKind kind, ChartColor color);
    ChartOp* addText(const char* ascii, ChartPoint at, ChartColor color);
    // Adds a point to the latest polyline or dots operation; 0 when full.
    int addPoint(ChartPoint point);

    // The text of a text operation.
    const ChartText& textOf(const ChartOp& op) const { return texts[op.textIndex]; }
};
