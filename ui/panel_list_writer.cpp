#include "panel_list_writer.h"

static std::int64_t notNegative(std::int32_t size) {
    return size > 0 ? size : 0;
}

PanelListWriter::PanelListWriter(PanelDisplayList* displayList, std::int32_t width,
                                 std::int32_t height)
    : list(displayList), bounds{0, 0, notNegative(width), notNegative(height)} {
    list->count = 0;
}

bool boxIsEmpty(const PanelBox& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

// Right and bottom edges lie outside a box, so touching the panel's edge from
// outside is still outside. Nothing is inside an empty panel.
bool boxIsOutside(const PanelBox& box, const PanelBox& panel) {
    return boxIsEmpty(panel) || box.right <= panel.left || box.bottom <= panel.top ||
           box.left >= panel.right || box.top >= panel.bottom;
}

DrawOp* PanelListWriter::add(DrawKind kind, const PanelBox& box, PanelColor color) {
    if (boxIsOutside(box, bounds) || list->count >= PanelDisplayList::capacity) {
        return nullptr;
    }
    DrawOp& op = list->ops[list->count++];
    op.kind = kind;
    op.placement = TextPlacement::topLeft;
    op.color = color;
    op.box = box;
    op.text.clear();
    return &op;
}

void PanelListWriter::fill(const PanelBox& box, PanelColor color) {
    if (!boxIsEmpty(box)) {
        add(DrawKind::fillBox, box, color);
    }
}

void PanelListWriter::ellipse(const PanelBox& box, PanelColor pen) {
    add(DrawKind::ellipse, box, pen);
}

void PanelListWriter::text(const PanelBox& box, PanelColor color, TextPlacement placement,
                           const char16_t* text) {
    if (DrawOp* op = add(DrawKind::text, box, color)) {
        op->placement = placement;
        op->text.assign(text);
    }
}

void PanelListWriter::asciiText(const PanelBox& box, PanelColor color, TextPlacement placement,
                                const char* text) {
    if (DrawOp* op = add(DrawKind::text, box, color)) {
        op->placement = placement;
        op->text.assignAscii(text);
    }
}

void PanelListWriter::skyPicture() {
    add(DrawKind::skyPicture, {0, 0, skyPictureSize, skyPictureSize}, panelBlack);
}
