#include "console_pane.h"

#include "base/wide_win32.h"

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

int ConsolePane::controlLineCount() const {
    return static_cast<int>(SendMessageW(console, EM_GETLINECOUNT, 0, 0));
}

void ConsolePane::append(const wchar_t* text) {
    if (console == nullptr) {
        return;
    }
    if (!queue.fits(asText16(text))) {
        insertWaiting();
    }
    if (queue.append(asText16(text), GetTickCount())) {
        insertWaiting();
    }
    if (!timerArmed && queue.hasWaiting()) {
        timerArmed = SetTimer(parent, flushTimer, flushDelayMs, nullptr) != 0;
        if (!timerArmed) {
            insertWaiting();  // no timer to rely on: show the line now
        }
    }
}

void ConsolePane::empty() {
    replaceAll(L"");
}

// A rich edit deletes a long text far more slowly than it is destroyed, so
// the control is replaced by a new one holding only the text. An empty
// control stays: in a fast stream the console is emptied many times a second
// without a line having gone in.
void ConsolePane::replaceAll(const wchar_t* text) {
    if (console == nullptr) {
        queue.discard(1);
        return;
    }
    if (text[0] == 0 && GetWindowTextLengthW(console) == 0) {
        queue.discard(1);
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
    queue.discard(controlLineCount());
}

void ConsolePane::onFlushTimer() {
    if (queue.insertAtTick(GetTickCount())) {
        insertWaiting();
    }
    if (!queue.hasWaiting() && timerArmed) {
        KillTimer(parent, flushTimer);
        timerArmed = false;
    }
}

void ConsolePane::insertWaiting() {
    if (!queue.hasWaiting() || console == nullptr) {
        return;
    }
    // Drawn once for all runs: redrawn and scrolled after each, a run of one
    // line costs the control some ten times its insertion.
    SendMessageW(console, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < queue.waitingRuns(); ++i) {
        insertRun(queue.run(i));
    }
    SendMessageW(console, WM_SETREDRAW, TRUE, 0);
    SendMessageW(console, EM_SCROLLCARET, 0, 0);
    InvalidateRect(console, nullptr, TRUE);
    queue.inserted(GetTickCount(), controlLineCount());
}

// The run's colour goes onto the selection, then the run replaces it: the
// text lands at the caret in its colour.
void ConsolePane::insertRun(const ConsoleQueue::Run& run) {
    charFormat->crTextColor = RGB((run.rgb >> 16) & 0xFF, (run.rgb >> 8) & 0xFF, run.rgb & 0xFF);
    SendMessageW(console, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(charFormat));
    SendMessageW(console, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(asWide(run.text)));
}
