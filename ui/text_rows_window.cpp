#include "text_rows_window.h"

#include "ui/text_rows_win32.h"

CTextRowsWindow::~CTextRowsWindow() {
    if (gdi.font != nullptr) {
        DeleteObject(gdi.font);
    }
}

int CTextRowsWindow::show(HINSTANCE instance, HWND ownerHandle) {
    owner = ownerHandle;
    if (handle() == nullptr &&
        CreateDialogParamW(instance, MAKEINTRESOURCEW(dialog), owner, dialogAdapter,
                           reinterpret_cast<LPARAM>(this)) == nullptr) {
        return 0;
    }
    ShowWindow(handle(), SW_SHOW);
    SetTimer(handle(), refreshTimer, refreshEveryMs, nullptr);
    refresh();
    return 1;
}

LRESULT CTextRowsWindow::handleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            gdi.font = createPanelFont(textRowsFontPx);
            onInitDialog();
            return 1;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {  // Escape and the caption's close box
                hide();
            } else {
                onCommand(LOWORD(wParam));
            }
            return 1;
        case WM_TIMER:
            if (wParam == refreshTimer) {
                refresh();
            }
            return 1;
        case WM_DRAWITEM:
            paintTextRows(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *view, gdi);
            return 1;
        case WM_CLOSE:
            hide();
            return 1;
        default:
            return 0;  // the dialog manager's own answer
    }
}

void CTextRowsWindow::hide() {
    KillTimer(handle(), refreshTimer);
    ShowWindow(handle(), SW_HIDE);
}

void CTextRowsWindow::setNote(const char16_t* text) {
    note.assign(text);
    refresh();
}

void CTextRowsWindow::setNoteAscii(const char* text) {
    note.assignAscii(text);
    refresh();
}

// The rows are rebuilt and their text set on the area, which repaints it.
void CTextRowsWindow::refresh() {
    if (handle() == nullptr) {
        return;
    }
    updateControls();
    if (!IsWindowVisible(handle())) {
        return;
    }
    const HWND areaWindow = GetDlgItem(handle(), area);
    RECT client;
    GetClientRect(areaWindow, &client);
    buildRows(client.right, client.bottom, note.c_str(), view.get());
    showTextRows(areaWindow, *view);
}
