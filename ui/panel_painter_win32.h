#pragma once
// Executes the graphics panel's display list with GDI. Every coordinate and
// colour comes from the list; this file only knows how to draw each kind.

#include <windows.h>

#include <iterator>

#include "ui/panel_display_list.h"

// Made once for the whole run: one brush or pen per colour of the list's
// palettes, and the texts' font, fitted to the panel's boxes.
struct PanelGdiObjects {
    HBRUSH brushes[std::size(panelBrushColors)] = {};
    HPEN pens[std::size(panelPenColors)] = {};
    HFONT font = nullptr;
    int fontPx = 0;  // its character height
    HBITMAP skyBitmap = nullptr;

    void create();
};

// Copies the bitmap at its own size to (x, y) of the context. Like every
// drawing call here it reports nothing: a failed draw shows, and nothing else
// depends on it.
void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOperation);

// The panel's font face at a character height; the caller deletes it.
HFONT createPanelFont(int characterPx);

void paintDrawOps(HDC dc, const DrawOp* ops, std::size_t count, const PanelGdiObjects& objects);
inline void paintDisplayList(HDC dc, const PanelDisplayList& list,
                             const PanelGdiObjects& objects) {
    paintDrawOps(dc, list.ops, list.count, objects);
}
