#include "restore_dlg.h"

#include "nmea/receiver_state.h"
#include "res/resource.h"

int CRestoreDlg::create(HINSTANCE instance, HWND parent) {
    const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_GRAPHICS_PANEL), parent,
                                           dialogAdapter, reinterpret_cast<LPARAM>(this));
    return dialog != nullptr ? 1 : 0;
}

LRESULT CRestoreDlg::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint(window);
            return 0;
        case WM_INITDIALOG:
            return onInitDialog();
        case WM_COMMAND:
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Made once and kept for the whole run.
LRESULT CRestoreDlg::onInitDialog() {
    whiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    greenBrush = CreateSolidBrush(RGB(0, 255, 0));
    blueBrush = CreateSolidBrush(RGB(0, 0, 255));
    bluePen = CreatePen(PS_DASH, 2, RGB(0, 0, 255));
    redPen = CreatePen(PS_DASH, 2, RGB(255, 0, 0));
    greenPen = CreatePen(PS_DASH, 2, RGB(0, 255, 0));
    state.clearL1();
    requestRepaint();
    return 1;
}

void CRestoreDlg::requestRepaint() {
    if (hwnd == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    InvalidateRect(hwnd, &client, FALSE);
}

// Composed in a memory bitmap and copied in one operation, so nothing flickers.
void CRestoreDlg::onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(memory, canvas);
    FillRect(memory, &client, whiteBrush);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
    EndPaint(window, &paint);
}
