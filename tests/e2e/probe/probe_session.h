#pragma once
// What the probe keeps between commands: the program's windows, found again whenever
// they may have changed, its process, and a COM port the probe holds itself.

#include <windows.h>

#include "held_port.h"
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
    HeldPort& heldPort() { return port; }

private:
    wchar_t targetClass[256];
    TargetWindows targetWindows;
    TargetProcess targetProcess;
    HeldPort port;
};
