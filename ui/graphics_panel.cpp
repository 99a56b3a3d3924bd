#include "graphics_panel.h"

#include "nmea/receiver_state.h"
#include "res/resource.h"

int CGraphicsPanel::create(HINSTANCE instance, HWND parent) {
    const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_GRAPHICS_PANEL), parent,
                                           dialogAdapter, reinterpret_cast<LPARAM>(this));
    return dialog != nullptr ? 1 : 0;
}

LRESULT CGraphicsPanel::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint(window);
            return 0;
        case WM_INITDIALOG:
            return onInitDialog();
        case WM_COMMAND:
            return 0;
        case WM_TIMER:
            if (wParam == repaintTimer) {
                KillTimer(window, repaintTimer);
                repaintTimerArmed = false;
                invalidatePanel();
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Brushes and pens are made once and kept for the whole run.
LRESULT CGraphicsPanel::onInitDialog() {
    gdi.create();
    state.clearL1();
    requestRepaint();
    return 1;
}

void CGraphicsPanel::requestRepaint() {
    if (handle() == nullptr || repaintTimerArmed) {
        return;  // the armed timer paints this request's state too
    }
    const UINT delay = pacer.delayFor(GetTickCount());
    if (delay > 0) {
        repaintTimerArmed = SetTimer(handle(), repaintTimer, delay, nullptr) != 0;
        if (repaintTimerArmed) {
            return;
        }
    }
    invalidatePanel();
}

void CGraphicsPanel::invalidatePanel() {
    InvalidateRect(handle(), nullptr, FALSE);  // the whole client area
}

PanelInputs CGraphicsPanel::paintInputs(const RECT& client) const {
    PanelInputs inputs = settings;
    inputs.width = client.right;
    inputs.height = client.bottom;
    return inputs;
}

// Composed in a memory bitmap and copied in one operation, so nothing
// flickers; the context and bitmap live only for this paint.
void CGraphicsPanel::onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(memory, canvas);
    SetBkMode(memory, TRANSPARENT);
    buildPanelDisplayList(state, paintInputs(client), &displayList);
    paintDisplayList(memory, displayList, gdi);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
    EndPaint(window, &paint);
    pacer.painted(GetTickCount());
}
