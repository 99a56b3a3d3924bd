#pragma once
// Where a satellite's slot puts its bar, numbers and its table's label: twenty
// slots a row, 30 pixels apart, rows 45 pixels apart, bars standing on
// y = 40 + 45 row.

#include <cstdint>

#include "ui/panel_display_list.h"

constexpr int slotsPerRow = 20;

struct SlotCell {
    std::int64_t column;
    std::int64_t row;
};

SlotCell slotCell(int slot);
// The first slot of the row after the one `slot` ends in; a row start stays.
int nextRowStart(int slot);

// A bar of height h rises h/2 (toward zero) above y = 39 + 45 row.
PanelBox barBox(SlotCell cell, std::int64_t height);
// The white inside of a bar drawn hollow, one pixel in from its edges.
PanelBox hollowBarInside(SlotCell cell, std::int64_t height);
PanelBox strengthBox(SlotCell cell);
PanelBox numberUnderBarBox(SlotCell cell);
PanelBox bandLabelBox(std::int64_t row);
PanelBox markerBox(std::int32_t plotX, std::int32_t plotY);
