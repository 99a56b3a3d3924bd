#include "about_box.h"

#include "res/resource.h"

CAboutBox::CAboutBox(HINSTANCE instance, HWND owner) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, dialogAdapter,
                    reinterpret_cast<LPARAM>(this));
}

// It has no buttons: Escape and the caption's close box both arrive as IDCANCEL.
LRESULT CAboutBox::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return 1;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, IDCANCEL);
        return 1;
    }
    return 0;
}
