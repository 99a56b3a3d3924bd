#pragma once
// Appends drawing operations to a panel display list, leaving out those that
// cannot show: anything wholly outside the panel and fills of empty boxes.

#include <cstdint>

#include "ui/panel_display_list.h"

class PanelListWriter {
public:
    // Empties the list; a negative size counts as 0.
    PanelListWriter(PanelDisplayList* list, std::int32_t width, std::int32_t height);

    const PanelBox& panel() const { return bounds; }

    void fill(const PanelBox& box, PanelColor color);
    void ellipse(const PanelBox& box, PanelColor pen);
    void text(const PanelBox& box, PanelColor color, TextPlacement placement, const char16_t* text);
    void asciiText(const PanelBox& box, PanelColor color, TextPlacement placement,
                   const char* text);
    void skyPicture();

private:
    DrawOp* add(DrawKind kind, const PanelBox& box, PanelColor color);

    PanelDisplayList* list;
    PanelBox bounds;
};

bool boxIsEmpty(const PanelBox& box);
bool boxIsOutside(const PanelBox& box, const PanelBox& panel);
