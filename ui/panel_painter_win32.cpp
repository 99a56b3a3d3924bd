#include "panel_painter_win32.h"

#include "base/wide_win32.h"
#include "ui/panel_text_fit.h"

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

HFONT createPanelFont(int characterPx) {
    wchar_t face[LF_FACESIZE];
    MultiByteToWideChar(CP_ACP, 0, panelFontFace, -1, face, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    // A negative height asks for the character height rather than the cell's.
    return CreateFontW(-characterPx, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
}

namespace {

// The texts measured in the font as GDI will draw them, on the screen's context.
class GdiTextMeasure : public PanelTextMeasure {
public:
    GdiTextMeasure() : dc(CreateCompatibleDC(nullptr)) {}
    ~GdiTextMeasure() override {
        if (dc != nullptr) {
            DeleteDC(dc);
        }
    }
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    int measure(const char* text, int characterPx, std::int64_t* width,
                std::int64_t* height) override {
        const HFONT font = createPanelFont(characterPx);
        if (dc == nullptr || font == nullptr) {
            return 0;
        }
        const HGDIOBJ previous = SelectObject(dc, font);
        wchar_t wide[64];
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64) - 1;
        SIZE size = {0, 0};
        const BOOL measured = length > 0 && GetTextExtentPoint32W(dc, wide, length, &size);
        SelectObject(dc, previous);
        DeleteObject(font);
        *width = size.cx;
        *height = size.cy;
        return measured ? 1 : 0;
    }

private:
    HDC dc;
};

}  // namespace

void PanelGdiObjects::create() {
    GdiTextMeasure measure;
    fontPx = fitPanelFont(measure);
    font = createPanelFont(fontPx);
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

void paintDrawOps(HDC dc, const DrawOp* ops, std::size_t count, const PanelGdiObjects& objects) {
    const HGDIOBJ previousFont = objects.font != nullptr ? SelectObject(dc, objects.font) : nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const DrawOp& op = ops[i];
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
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
}
