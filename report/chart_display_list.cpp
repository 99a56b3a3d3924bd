#include "chart_display_list.h"

namespace {

std::int32_t clampTo(std::int32_t value, std::int32_t limit) {
    return value < 0 ? 0 : (value > limit ? limit : value);
}

}  // namespace

void ChartDisplayList::clear(std::int32_t chartWidth, std::int32_t chartHeight) {
    width = chartWidth > 0 ? chartWidth : 0;
    height = chartHeight > 0 ? chartHeight : 0;
    opCount = 0;
    pointCount = 0;
    textCount = 0;
}

ChartOp* ChartDisplayList::add(ChartOpKind kind, ChartColor color) {
    if (opCount == opCapacity) {
        return nullptr;
    }
    ChartOp& op = ops[opCount++];
    op = ChartOp();
    op.kind = kind;
    op.color = color;
    op.first = static_cast<std::int32_t>(pointCount);
    return &op;
}

ChartOp* ChartDisplayList::addText(const char* ascii, ChartPoint at, ChartColor color) {
    if (textCount == textCapacity) {
        return nullptr;
    }
    ChartOp* op = add(ChartOpKind::text, color);
    if (op == nullptr) {
        return nullptr;
    }
    texts[textCount].assignAscii(ascii);
    op->textIndex = static_cast<std::int32_t>(textCount++);
    op->a = at;
    return op;
}

// A last guard: whatever a builder computed, no point leaves the chart.
int ChartDisplayList::addPoint(ChartPoint point) {
    if (pointCount == pointCapacity || opCount == 0) {
        return 0;
    }
    ChartOp& op = ops[opCount - 1];
    if (op.kind != ChartOpKind::polyline && op.kind != ChartOpKind::dots) {
        return 0;
    }
    points[pointCount++] = {clampTo(point.x, width), clampTo(point.y, height)};
    ++op.count;
    return 1;
}
