#pragma once
// Real keystrokes, as a user types them: injected into the system's input queue, so they
// reach whichever window has the keyboard focus and pass through the program's message
// loop (and its accelerator table) like typed keys.

#include <windows.h>

#include "key_combo.h"

// Makes the window the foreground window; false when it did not become it in time.
bool bringToForeground(HWND window, DWORD timeoutMs);

// Presses the keys in order and releases them in reverse; false when not all were taken.
bool typeKeyCombo(const KeyCombo& combo);
