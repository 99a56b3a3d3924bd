#include "chart_frame.h"

#include <cmath>
#include <cstring>

namespace {

constexpr std::int32_t tickLength = 5;
constexpr std::int32_t swatchLength = 22;
constexpr std::int32_t estimatedCharWidth = 7;  // of a 12-pixel sans-serif text

void addRect(ChartDisplayList& list, ChartPoint a, ChartPoint b, ChartColor fill,
             ChartColor outline, std::int32_t width) {
    if (ChartOp* op = list.add(ChartOpKind::rect, outline)) {
        op->a = a;
        op->b = b;
        op->fill = fill;
        op->filled = true;
        op->width = width;
        op->crisp = true;
    }
}

void addLine(ChartDisplayList& list, ChartPoint a, ChartPoint b, ChartColor color,
             std::int32_t width, bool crisp) {
    if (ChartOp* op = list.add(ChartOpKind::line, color)) {
        op->a = a;
        op->b = b;
        op->width = width;
        op->crisp = crisp;
    }
}

ChartOp* addLabel(ChartDisplayList& list, const char* text, ChartPoint at, TextAlign align,
                  std::int32_t size, ChartColor color) {
    ChartOp* op = list.addText(text, at, color);
    if (op != nullptr) {
        op->align = align;
        op->fontSize = size;
    }
    return op;
}

void drawGround(ChartDisplayList& list, const PlotBox& plot) {
    addRect(list, {0, 0}, {list.width, list.height}, chartWhite, chartWhite, 0);
    addRect(list, {plot.left, plot.top}, {plot.right, plot.bottom}, chartWhite, chartAxis, 1);
}

void drawTitles(ChartDisplayList& list, const PlotBox& plot, const AxisTitles& titles) {
    addLabel(list, titles.x, {(plot.left + plot.right) / 2, list.height - 10}, TextAlign::middle,
             labelSize, chartInk);
    ChartOp* y = addLabel(list, titles.y, {16, (plot.top + plot.bottom) / 2}, TextAlign::middle,
                          labelSize, chartInk);
    if (y != nullptr) {
        y->vertical = true;
    }
}

void drawXTicks(ChartDisplayList& list, const ChartAxes& axes) {
    const PlotBox& plot = axes.plot;
    for (int i = 0; i <= axes.x.intervals; ++i) {
        const std::int32_t x = axes.xPixel(axes.x.tick(i));
        if (i > 0 && i < axes.x.intervals) {
            addLine(list, {x, plot.top}, {x, plot.bottom}, chartGrid, 1, true);
        }
        addLine(list, {x, plot.bottom}, {x, plot.bottom + tickLength}, chartAxis, 1, true);
        char label[32];
        formatTick(axes.x, i, label, sizeof label);
        addLabel(list, label, {x, plot.bottom + tickLength + 13}, TextAlign::middle, tickLabelSize,
                 chartMuted);
    }
}

void drawYTicks(ChartDisplayList& list, const ChartAxes& axes) {
    const PlotBox& plot = axes.plot;
    for (int i = 0; i <= axes.y.intervals; ++i) {
        const std::int32_t y = axes.yPixel(axes.y.tick(i));
        if (i > 0 && i < axes.y.intervals) {
            addLine(list, {plot.left, y}, {plot.right, y}, chartGrid, 1, true);
        }
        addLine(list, {plot.left - tickLength, y}, {plot.left, y}, chartAxis, 1, true);
        char label[32];
        formatTick(axes.y, i, label, sizeof label);
        addLabel(list, label, {plot.left - tickLength - 3, y + 4}, TextAlign::end, tickLabelSize,
                 chartMuted);
    }
}

// The mark beside a legend text whose baseline is at `at`.
void drawMark(ChartDisplayList& list, ChartPoint at, const LegendItem& item) {
    const std::int32_t middle = at.y - 4;
    switch (item.mark) {
        case LegendMark::line:
            addLine(list, {at.x, middle}, {at.x + swatchLength, middle}, item.color, 3, false);
            break;
        case LegendMark::dot:
            if (ChartOp* op = list.add(ChartOpKind::dots, item.color)) {
                op->width = 6;
                list.addPoint({at.x + swatchLength / 2, middle});
            }
            break;
        case LegendMark::ring:
            if (ChartOp* op = list.add(ChartOpKind::circle, item.color)) {
                op->a = {at.x + swatchLength / 2, middle};
                op->radius = 6;
                op->width = 2;
            }
            break;
        case LegendMark::cross:
            addLine(list, {at.x + 5, middle}, {at.x + swatchLength - 5, middle}, item.color, 2,
                    false);
            addLine(list, {at.x + swatchLength / 2, middle - 6},
                    {at.x + swatchLength / 2, middle + 6}, item.color, 2, false);
            break;
    }
}

std::int32_t drawLegendItem(ChartDisplayList& list, ChartPoint at, const LegendItem& item) {
    drawMark(list, at, item);
    addLabel(list, item.label, {at.x + swatchLength + 6, at.y}, TextAlign::start, labelSize,
             chartInk);
    const auto length = static_cast<std::int32_t>(std::strlen(item.label));
    return swatchLength + 6 + length * estimatedCharWidth;
}

}  // namespace

void drawAxes(ChartDisplayList& list, const ChartAxes& axes, const AxisTitles& titles) {
    drawGround(list, axes.plot);
    drawXTicks(list, axes);
    drawYTicks(list, axes);
    drawTitles(list, axes.plot, titles);
}

void drawNoData(ChartDisplayList& list, const PlotBox& plot, const AxisTitles& titles) {
    drawGround(list, plot);
    drawTitles(list, plot, titles);
    addLabel(list, "no data", {(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2 + 5},
             TextAlign::middle, 14, chartMuted);
}

void drawLegendRow(ChartDisplayList& list, ChartPoint at, const LegendItem* items, int count) {
    for (int i = 0; i < count; ++i) {
        at.x += drawLegendItem(list, at, items[i]) + 18;
    }
}

void drawLegendColumn(ChartDisplayList& list, ChartPoint at, const LegendItem* items, int count) {
    for (int i = 0; i < count; ++i) {
        drawLegendItem(list, at, items[i]);
        at.y += 22;
    }
}

DistanceUnit distanceUnitFor(double largestMetres) {
    return largestMetres >= 10000 ? DistanceUnit{1000, "km"} : DistanceUnit{};
}

bool drawable(const SeriesValue& value) {
    return value.present && std::isfinite(value.x) && std::isfinite(value.y);
}

int drawSeries(ChartDisplayList& list, const ChartAxes& axes, const SeriesValue* values, int count,
               ChartColor color, std::int32_t width) {
    int drawn = 0;
    bool anyAlone = false;
    for (int i = 0; i < count;) {
        if (!drawable(values[i])) {
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < count && drawable(values[end])) {
            ++end;
        }
        if (end - i == 1) {
            anyAlone = true;
        } else if (ChartOp* op = list.add(ChartOpKind::polyline, color)) {
            op->width = width;
            for (int j = i; j < end; ++j) {
                drawn += list.addPoint(axes.at(values[j].x, values[j].y));
            }
        }
        i = end;
    }
    if (!anyAlone) {
        return drawn;
    }
    ChartOp* dots = list.add(ChartOpKind::dots, color);
    if (dots == nullptr) {
        return drawn;
    }
    dots->width = width + 3;
    for (int i = 0; i < count; ++i) {
        const bool before = i > 0 && drawable(values[i - 1]);
        const bool after = i + 1 < count && drawable(values[i + 1]);
        if (drawable(values[i]) && !before && !after) {
            drawn += list.addPoint(axes.at(values[i].x, values[i].y));
        }
    }
    return drawn;
}
