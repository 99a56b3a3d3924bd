#pragma once
// The small window-class family: each object drives one window through one
// virtual handler, bound to it in the window's user-data slot.

#include <windows.h>

class CWnd {
public:
    virtual ~CWnd() {}
    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The window this object drives; null until an adapter binds it.
    HWND handle() const { return hwnd; }

private:
    friend void bindWindow(HWND window, CWnd* object);

    HWND hwnd = nullptr;
};

// Binds the window to the object, in the window's user-data slot; done once,
// by the adapters below.
void bindWindow(HWND window, CWnd* object);

// Window procedure of the main window class: binds at WM_CREATE.
LRESULT CALLBACK windowAdapter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Answers WM_PAINT for a window that draws nothing itself (its background does).
void paintNothing(HWND window);

// Dialog procedure of every dialog: binds at WM_INITDIALOG. Before that the
// dialog manager's defaults apply; afterwards the object's answer is the
// procedure's, and the panels pass what they do not handle to DefWindowProcW.
INT_PTR CALLBACK dialogAdapter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
