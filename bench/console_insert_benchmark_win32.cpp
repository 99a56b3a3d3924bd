// What a rich edit charges for the console's lines under Wine (or Windows):
// 2000 received lines inserted in runs of 1 to 2000 lines, with the control
// redrawn after each run and with redrawing held off until the last, then the
// control's destruction, and the same lines set at once. Run on a display:
//
//   wine console_insert_benchmark.exe

#include <richedit.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int consoleLines = 2000;

double nowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The console's own control: read-only, scrolled to its caret, no wrapping.
HWND createConsole(HWND parent) {
    return CreateWindowExW(0, L"RICHEDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_READONLY,
                           20, 150, 945, 200, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

std::wstring receivedLines(int count, int first) {
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        wchar_t line[128];
        swprintf(line, 128,
                 L"$GBGSV,3,1,10,02,41,196,33,03,25,046,29,09,43,295,34,15,22,318,27,1*%06d\r\n",
                 first + i);
        text += line;
    }
    return text;
}

// Redraw held: as the console's flush inserts its runs, the control drawn once
// after all of them; otherwise drawn after every run.
void measureRuns(HWND parent, int runLines, bool redrawHeld) {
    const HWND console = createConsole(parent);
    pumpMessages();
    const double start = nowMs();
    if (redrawHeld) {
        SendMessageW(console, WM_SETREDRAW, FALSE, 0);
    }
    for (int inserted = 0; inserted < consoleLines; inserted += runLines) {
        const std::wstring run = receivedLines(runLines, inserted);
        SendMessageW(console, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(run.c_str()));
        pumpMessages();
    }
    if (redrawHeld) {
        SendMessageW(console, WM_SETREDRAW, TRUE, 0);
        SendMessageW(console, EM_SCROLLCARET, 0, 0);
        InvalidateRect(console, nullptr, TRUE);
        pumpMessages();
    }
    const double inserted = nowMs();
    DestroyWindow(console);
    const double destroyed = nowMs();
    std::printf("runs of %4d lines, redraw %s: %7.1f us a line; destroying 2000 lines %5.1f ms\n",
                runLines, redrawHeld ? "held" : "on  ", (inserted - start) * 1000.0 / consoleLines,
                destroyed - inserted);
}

}  // namespace

int main() {
    LoadLibraryW(L"RICHED32.DLL");
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ConsoleInsertBenchmark";
    RegisterClassW(&windowClass);
    const HWND parent =
        CreateWindowW(windowClass.lpszClassName, L"console", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                      1000, 800, nullptr, nullptr, windowClass.hInstance, nullptr);
    for (bool redrawHeld : {false, true}) {
        for (int runLines : {1, 10, 50, 250, 2000}) {
            measureRuns(parent, runLines, redrawHeld);
        }
    }
    const HWND console = createConsole(parent);
    const std::wstring all = receivedLines(consoleLines, 0);
    const double start = nowMs();
    SetWindowTextW(console, all.c_str());
    pumpMessages();
    std::printf("2000 lines set at once: %.1f us a line\n",
                (nowMs() - start) * 1000.0 / consoleLines);
    return 0;
}
