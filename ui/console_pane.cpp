#include "console_pane.h"

HWND ConsolePane::createControl() {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return CreateWindowExW(
        0, L"RICHEDIT", L"RichEdit",
        WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY, 20,
        150, 945, 200, parent, nullptr, instance, nullptr);
}

bool ConsolePane::create(HWND panel, CHARFORMATW* format) {
    parent = panel;
    charFormat = format;
    LoadLibraryW(L"RICHED32.DLL");
    console = createControl();
    if (console == nullptr) {
        return false;
    }
    SetWindowTextW(console, L"");
    SendMessageW(console, WM_SETFOCUS, 0, 0);
    ShowWindow(console, SW_SHOW);
    return true;
}

void ConsolePane::append(const wchar_t* text) {
    if (console == nullptr) {
        return;
    }
    std::size_t length = 0;
    while (text[length] != 0 && length < capacity - 1) {
        ++length;
    }
    if (pendingLength > 0 && (runColor != nextColor || pendingLength + length >= capacity)) {
        insertRun();
    }
    if (pendingLength == 0) {
        runColor = nextColor;
    }
    for (std::size_t i = 0; i < length; ++i) {
        pending[pendingLength++] = text[i];
        pendingLineFeeds += text[i] == L'\n' ? 1 : 0;
    }
    pending[pendingLength] = 0;
    if (!timerArmed) {
        timerArmed = SetTimer(parent, flushTimer, flushDelayMs, nullptr) != 0;
        if (!timerArmed) {
            insertRun();  // no timer to rely on: show the line now
        }
    }
}

int ConsolePane::lineCount() const {
    return controlLines + pendingLineFeeds;
}

void ConsolePane::empty() {
    replaceAll(L"");
}

// A rich edit deletes a long text far more slowly than it is destroyed, so
// the control is replaced by a new one holding only the text.
void ConsolePane::replaceAll(const wchar_t* text) {
    pendingLength = 0;
    pendingLineFeeds = 0;
    if (console == nullptr) {
        return;
    }
    const HWND fresh = createControl();
    if (fresh != nullptr) {
        const bool hadFocus = GetFocus() == console;
        DestroyWindow(console);
        console = fresh;
        ShowWindow(console, SW_SHOW);
        if (hadFocus) {
            SetFocus(console);
        }
    }
    SetWindowTextW(console, text);
    controlLines = static_cast<int>(SendMessageW(console, EM_GETLINECOUNT, 0, 0));
}

void ConsolePane::flush() {
    if (timerArmed) {
        KillTimer(parent, flushTimer);
        timerArmed = false;
    }
    if (pendingLength > 0 && console != nullptr) {
        insertRun();
    }
}

// The run's colour goes onto the selection, then the run replaces it: the
// text lands at the caret in its colour.
void ConsolePane::insertRun() {
    charFormat->crTextColor = runColor;
    SendMessageW(console, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(charFormat));
    SendMessageW(console, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pending));
    pendingLength = 0;
    pendingLineFeeds = 0;
    controlLines = static_cast<int>(SendMessageW(console, EM_GETLINECOUNT, 0, 0));
}
