#include "console_pane.h"

HWND ConsolePane::createControl() {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return CreateWindowExW(
        0, L"RICHEDIT", L"RichEdit",
        WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY, 20,
        150, 945, 200, parent, nullptr, instance, nullptr);
}

int ConsolePane::create(HWND panel, CHARFORMATW* format) {
    parent = panel;
    charFormat = format;
    LoadLibraryW(L"RICHED32.DLL");
    console = createControl();
    if (console == nullptr) {
        return 0;
    }
    SetWindowTextW(console, L"");
    SendMessageW(console, WM_SETFOCUS, 0, 0);
    ShowWindow(console, SW_SHOW);
    return 1;
}

void ConsolePane::append(const wchar_t* text) {
    if (console == nullptr) {
        return;
    }
    std::size_t length = 0;
    while (text[length] != 0 && length < capacity - 1) {
        ++length;
    }
    const bool sameColor = runCount > 0 && runs[runCount - 1].color == nextColor;
    if (pendingLength + length >= capacity || (!sameColor && runCount == maxRuns)) {
        insertWaiting();
    }
    if (runCount == 0 || !sameColor) {  // an insertion above leaves no run
        runs[runCount++] = Run{pendingLength, nextColor};
    }
    for (std::size_t i = 0; i < length; ++i) {
        pending[pendingLength++] = text[i];
        pendingLineFeeds += text[i] == L'\n' ? 1 : 0;
    }
    pacer.lineAppended();
    if (pacer.insertAfterAppend(GetTickCount(), controlLines, pendingLineFeeds)) {
        insertWaiting();
    }
    if (!timerArmed && pendingLength > 0) {
        timerArmed = SetTimer(parent, flushTimer, flushDelayMs, nullptr) != 0;
        if (!timerArmed) {
            insertWaiting();  // no timer to rely on: show the line now
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
// the control is replaced by a new one holding only the text. An empty
// control stays: in a fast stream the console is emptied many times a second
// without a line having gone in.
void ConsolePane::replaceAll(const wchar_t* text) {
    pendingLength = 0;
    pendingLineFeeds = 0;
    runCount = 0;
    if (console == nullptr) {
        return;
    }
    if (text[0] == 0 && GetWindowTextLengthW(console) == 0) {
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

void ConsolePane::onFlushTimer() {
    if (pacer.insertAtTick(GetTickCount(), pendingLineFeeds)) {
        insertWaiting();
    }
    if (pendingLength == 0 && timerArmed) {
        KillTimer(parent, flushTimer);
        timerArmed = false;
    }
}

void ConsolePane::insertWaiting() {
    if (pendingLength == 0 || console == nullptr) {
        return;
    }
    // Drawn once for all runs: redrawn and scrolled after each, a run of one
    // line costs the control some ten times its insertion.
    SendMessageW(console, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < runCount; ++i) {
        const std::size_t end = i + 1 < runCount ? runs[i + 1].start : pendingLength;
        insertRun(runs[i].start, end, runs[i].color);
    }
    SendMessageW(console, WM_SETREDRAW, TRUE, 0);
    SendMessageW(console, EM_SCROLLCARET, 0, 0);
    InvalidateRect(console, nullptr, TRUE);
    pendingLength = 0;
    pendingLineFeeds = 0;
    runCount = 0;
    controlLines = static_cast<int>(SendMessageW(console, EM_GETLINECOUNT, 0, 0));
    pacer.inserted(GetTickCount());
}

// The run's colour goes onto the selection, then the run replaces it: the
// text lands at the caret in its colour. The run is ended in place for the
// control and its first unit of the next run put back afterwards.
void ConsolePane::insertRun(std::size_t start, std::size_t end, COLORREF color) {
    const wchar_t following = pending[end];
    pending[end] = 0;
    charFormat->crTextColor = color;
    SendMessageW(console, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(charFormat));
    SendMessageW(console, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pending + start));
    pending[end] = following;
}
