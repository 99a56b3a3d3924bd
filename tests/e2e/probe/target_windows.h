#pragma once
// The windows of the program under test: the main window found by its class name, its
// two child dialogs (the control panel is the one that holds control 1004, the graphics
// panel the other) and the rich-edit console inside the control panel.

#include <windows.h>

struct TargetWindows {
    HWND main = nullptr;
    HWND controlPanel = nullptr;
    HWND graphicsPanel = nullptr;
    HWND console = nullptr;
    DWORD processId = 0;
};

// False while the main window or its control panel does not exist (yet).
bool findTargetWindows(const wchar_t* className, TargetWindows* target);

// A visible top-level dialog of the process with exactly this caption, or nullptr: the
// About box ("Dialog"), the file-open dialog ("WAVE Files").
HWND findProcessDialog(DWORD processId, const wchar_t* caption);
