#include "panel_slot_grid.h"

namespace {
constexpr std::int64_t columnPitch = 30;
constexpr std::int64_t rowPitch = 45;
constexpr std::int64_t firstColumnX = 382;

std::int64_t columnX(SlotCell cell) {
    return firstColumnX + columnPitch * cell.column;
}

std::int64_t rowY(std::int64_t row) {
    return rowPitch * row;
}
}  // namespace

SlotCell slotCell(int slot) {
    return {slot % slotsPerRow, slot / slotsPerRow};
}

int nextRowStart(int slot) {
    return (slot + slotsPerRow - 1) / slotsPerRow * slotsPerRow;
}

PanelBox barBox(SlotCell cell, std::int64_t height) {
    const std::int64_t x = columnX(cell);
    const std::int64_t y = rowY(cell.row);
    return {x, 39 + y - height / 2, x + 18, 40 + y};
}

PanelBox hollowBarInside(SlotCell cell, std::int64_t height) {
    const std::int64_t x = columnX(cell);
    const std::int64_t y = rowY(cell.row);
    return {x + 1, 40 + y - height / 2, x + 17, 39 + y};
}

PanelBox strengthBox(SlotCell cell) {
    const std::int64_t x = columnX(cell);
    const std::int64_t y = rowY(cell.row);
    return {x, 25 + y, x + 25, 40 + y};
}

PanelBox numberUnderBarBox(SlotCell cell) {
    const std::int64_t x = columnX(cell);
    const std::int64_t y = rowY(cell.row);
    return {x, 40 + y, x + 25, 90 + y};
}

PanelBox bandLabelBox(std::int64_t row) {
    return {330, 40 + rowY(row), 383, 90 + rowY(row)};
}

PanelBox markerBox(std::int32_t plotX, std::int32_t plotY) {
    const std::int64_t x = plotX;
    const std::int64_t y = plotY;
    return {x - 11, y - 9, x + 11, y + 9};
}
