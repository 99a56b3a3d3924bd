// The stand-in's main window: 1000 x 800 like the program's, the control panel in the
// upper half, the graphics panel in the lower half, About on Ctrl+A, exit on Ctrl+Q.

#include <cwchar>
#include <iterator>

#include "stand_in.h"

StandInWindows standIn = {};
int linesReceived = 0;
bool quiet = false;

namespace {

constexpr wchar_t className[] = L"SkyvaneStandIn";
constexpr wchar_t baseTitle[] = L"Skyvane stand-in";

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

void onLine(const char* line) {
    ++linesReceived;
    if (!quiet) {
        appendConsoleLine(line);
    }
    if (linesReceived == 1) {
        InvalidateRect(standIn.graphicsPanel, nullptr, FALSE);
    }
}

// The count goes to the title a few times a second, not per line: a title change costs
// as much as reading a whole line at 921600 baud.
void showCount() {
    static int shown = 0;
    if (linesReceived == shown) {
        return;
    }
    shown = linesReceived;
    wchar_t title[64];
    std::swprintf(title, std::size(title), L"%ls: %d lines", baseTitle, shown);
    SetWindowTextW(standIn.main, title);
}

void onPortLost(DWORD error) {
    closePort();
    SetDlgItemTextW(standIn.controlPanel, IDC_START, L"Start");
    wchar_t status[64];
    std::swprintf(status, std::size(status), L"lost %lu", static_cast<unsigned long>(error));
    setStatus(status);
}

void onCommand(HWND window, int command) {
    if (command == IDM_STAND_IN_ABOUT) {
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_STAND_IN_ABOUT), window,
                        aboutProc, 0);
    } else if (command == IDM_STAND_IN_EXIT) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            standIn.main = window;
            SetTimer(window, IDT_STAND_IN_TITLE, 100, nullptr);
            return createPanels(GetModuleHandleW(nullptr), window) ? 0 : -1;
        case WM_TIMER:
            showCount();
            return 0;
        case WM_COMMAND:
            onCommand(window, LOWORD(wParam));
            return 0;
        case WM_STAND_IN_LINE:
            onLine(reinterpret_cast<const char*>(lParam));
            return 0;
        case WM_STAND_IN_PORT_LOST:
            onPortLost(static_cast<DWORD>(wParam));
            return 0;
        case WM_STAND_IN_QUIET:
            quiet = wParam != 0;
            setStatus(quiet ? L"quiet" : L"showing");
            return 0;
        case WM_DESTROY:
            KillTimer(window, IDT_STAND_IN_TITLE);
            closePort();
            // The exit code tells the bench how many lines arrived.
            PostQuitMessage(linesReceived < 255 ? linesReceived : 255);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_STAND_IN_MENU);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, className, baseTitle, WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 1000, 800, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_STAND_IN_ACCEL));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
