#include "text_rows_win32.h"

#include "base/wide_win32.h"

void showTextRows(HWND area, const TextRowsView& view) {
    SetWindowTextW(area, asWide(view.text.c_str()));
    InvalidateRect(area, nullptr, FALSE);
}

void paintTextRows(const DRAWITEMSTRUCT& item, const TextRowsView& view,
                   const PanelGdiObjects& gdi) {
    const RECT& box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const HDC memory = CreateCompatibleDC(item.hDC);
    const HBITMAP canvas = CreateCompatibleBitmap(item.hDC, width, height);
    const HGDIOBJ previous = SelectObject(memory, canvas);
    const RECT all = {0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(memory, TRANSPARENT);
    paintDrawOps(memory, view.ops, view.count, gdi);
    BitBlt(item.hDC, box.left, box.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
}
