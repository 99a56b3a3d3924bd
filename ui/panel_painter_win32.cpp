#include "panel_painter_win32.h"

#include "base/wide_win32.h"

namespace {

COLORREF toColorRef(PanelColor color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// The list leaves out what lies outside the panel, so what is left fits a
// RECT; the clamp only keeps a malformed box from wrapping.
LONG toCoordinate(std::int64_t value) {
    constexpr std::int64_t limit = 1 << 30;
    return static_cast<LONG>(value < -limit ? -limit : value > limit ? limit : value);
}

RECT toRect(const PanelBox& box) {
    return RECT{toCoordinate(box.left), toCoordinate(box.top), toCoordinate(box.right),
                toCoordinate(box.bottom)};
}

void fillBox(HDC dc, const DrawOp& op, const PanelGdiObjects& objects) {
    const int brush = panelBrushIndex(op.color);
    if (brush < 0) {
        return;
    }
    const RECT rect = toRect(op.box);
    FillRect(dc, &rect, objects.brushes[brush]);
}

// Filled with the context's own brush, the stock white one.
void drawEllipse(HDC dc, const DrawOp& op, const PanelGdiObjects& objects) {
    const int pen = panelPenIndex(op.color);
    if (pen < 0) {
        return;
    }
    const RECT rect = toRect(op.box);
    const HGDIOBJ previous = SelectObject(dc, objects.pens[pen]);
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, previous);
}

// Clipped to its box, never wrapped; "&" is shown as received, not taken as
// a mnemonic prefix.
void drawText(HDC dc, const DrawOp& op) {
    RECT rect = toRect(op.box);
    UINT flags = DT_NOPREFIX;
    if (op.placement == TextPlacement::centredTop) {
        flags |= DT_CENTER;
    }
    SetTextColor(dc, toColorRef(op.color));
    DrawTextW(dc, asWide(op.text.c_str()), -1, &rect, flags);
}

}  // namespace

void PanelGdiObjects::create() {
    for (std::size_t i = 0; i < std::size(panelBrushColors); ++i) {
        brushes[i] = CreateSolidBrush(toColorRef(panelBrushColors[i]));
    }
    // A dashed pen wider than one pixel draws solid.
    for (std::size_t i = 0; i < std::size(panelPenColors); ++i) {
        pens[i] = CreatePen(PS_DASH, panelPenWidth, toColorRef(panelPenColors[i]));
    }
}

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOperation) {
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, bitmap);
    BITMAP size;
    GetObjectW(bitmap, sizeof size, &size);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source, 0, 0, rasterOperation);
    SelectObject(source, previous);
    DeleteDC(source);
}

void paintDisplayList(HDC dc, const PanelDisplayList& list, const PanelGdiObjects& objects) {
    for (std::size_t i = 0; i < list.count; ++i) {
        const DrawOp& op = list.ops[i];
        switch (op.kind) {
            case DrawKind::fillBox:
                fillBox(dc, op, objects);
                break;
            case DrawKind::ellipse:
                drawEllipse(dc, op, objects);
                break;
            case DrawKind::text:
                drawText(dc, op);
                break;
            case DrawKind::skyPicture:
                if (objects.skyBitmap != nullptr) {
                    drawBitmap(dc, objects.skyBitmap, toCoordinate(op.box.left),
                               toCoordinate(op.box.top), SRCCOPY);
                }
                break;
        }
    }
}
