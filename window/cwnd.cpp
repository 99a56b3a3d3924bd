#include "window/cwnd.h"

static CWnd* boundObject(HWND window) {
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void bindWindow(HWND window, CWnd* object) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    object->hwnd = window;
}

// Messages before WM_CREATE (size queries, non-client creation) get the
// default procedure; they never reach the object.
LRESULT CALLBACK windowAdapter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        CWnd* object = static_cast<CWnd*>(creation->lpCreateParams);
        bindWindow(window, object);
        return object->handleMessage(window, message, wParam, lParam);
    }
    CWnd* object = boundObject(window);
    if (object == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return object->handleMessage(window, message, wParam, lParam);
}

INT_PTR CALLBACK dialogAdapter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CWnd* object = reinterpret_cast<CWnd*>(lParam);
        bindWindow(dialog, object);
        return object->handleMessage(dialog, message, wParam, lParam);
    }
    if (message == WM_SETFONT) {
        return 0;
    }
    CWnd* object = boundObject(dialog);
    if (object == nullptr) {
        return 0;  // not handled: the dialog manager's defaults apply
    }
    return object->handleMessage(dialog, message, wParam, lParam);
}

void paintNothing(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}
