#include "probe_session.h"

#include <cwchar>
#include <iterator>

ProbeSession::ProbeSession(const wchar_t* className) {
    std::swprintf(className_, std::size(className_), L"%ls", className);
}

// The windows are looked up again until all of them were found: the main window exists
// before its creation handler has made both panels and the console. The program
// replaces its console when it empties it, so a console that is gone is looked up too.
bool ProbeSession::refresh() {
    const bool complete = windows_.main != nullptr && IsWindow(windows_.main) &&
                          windows_.graphicsPanel != nullptr && windows_.console != nullptr &&
                          IsWindow(windows_.console);
    if (complete) {
        return true;
    }
    if (!findTargetWindows(className_, &windows_)) {
        return false;
    }
    process_.open(windows_.processId);
    return true;
}

bool ProbeSession::waitForWindows(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!refresh() || windows_.graphicsPanel == nullptr || !IsWindowVisible(windows_.main)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(50);  // nothing to wait on across processes; poll
    }
    return true;
}

HWND ProbeSession::control(int id) const {
    return windows_.controlPanel != nullptr ? GetDlgItem(windows_.controlPanel, id) : nullptr;
}
