#include "probe_session.h"

#include <cwchar>
#include <iterator>

ProbeSession::ProbeSession(const wchar_t* className) {
    std::swprintf(targetClass, std::size(targetClass), L"%ls", className);
}

// The windows are looked up again until all of them were found: the main window exists
// before its creation handler has made both panels and the console. The program
// replaces its console when it empties it, so a console that is gone is looked up too.
bool ProbeSession::refresh() {
    const bool complete = targetWindows.main != nullptr && IsWindow(targetWindows.main) &&
                          targetWindows.graphicsPanel != nullptr &&
                          targetWindows.console != nullptr && IsWindow(targetWindows.console);
    if (complete) {
        return true;
    }
    if (!findTargetWindows(targetClass, &targetWindows)) {
        return false;
    }
    targetProcess.open(targetWindows.processId);
    return true;
}

bool ProbeSession::waitForWindows(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!refresh() || targetWindows.graphicsPanel == nullptr ||
           !IsWindowVisible(targetWindows.main)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(50);  // nothing to wait on across processes; poll
    }
    return true;
}

HWND ProbeSession::control(int id) const {
    if (targetWindows.controlPanel != nullptr) {
        if (const HWND inPanel = GetDlgItem(targetWindows.controlPanel, id)) {
            return inPanel;
        }
    }
    for (const wchar_t* caption : {L"Statistics", L"Campaign"}) {
        const HWND dialog = findProcessDialog(targetWindows.processId, caption);
        if (const HWND inDialog = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr) {
            return inDialog;
        }
    }
    return nullptr;
}
