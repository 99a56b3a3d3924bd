#pragma once
// A window's owner-drawn area of text rows: composed off screen and copied
// at once, as the graphics panel is; its window text is the rows' plain text.

#include <windows.h>

#include "ui/panel_painter_win32.h"
#include "ui/text_rows.h"

// Sets the area's text (readers see the rows) and has it repainted.
void showTextRows(HWND area, const TextRowsView& view);
// Paints the rows into the area, for its WM_DRAWITEM.
void paintTextRows(const DRAWITEMSTRUCT& item, const TextRowsView& view,
                   const PanelGdiObjects& gdi);
