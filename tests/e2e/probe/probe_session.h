#pragma once
// What the probe knows about the program under test between commands: its windows,
// found again whenever they may have changed, and its process.

#include <windows.h>

#include "target_process.h"
#include "target_windows.h"

class ProbeSession {
public:
    explicit ProbeSession(const wchar_t* className);

    // Finds the program's windows (again); false when its main window does not exist.
    bool refresh();
    // Polls for at most timeoutMs until the main window is shown with both panels.
    bool waitForWindows(DWORD timeoutMs);

    const TargetWindows& windows() const { return targetWindows; }
    TargetProcess& process() { return targetProcess; }
    // A control of the control panel or, failing that, of the shown statistics
    // window; nullptr for neither.
    HWND control(int id) const;

private:
    wchar_t targetClass[256];
    TargetWindows targetWindows;
    TargetProcess targetProcess;
};
