#pragma once

#include "window/cwnd.h"

// The About box: shown modally for as long as the object is being constructed.
class CAboutBox : public CWnd {
public:
    CAboutBox(HINSTANCE instance, HWND owner);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
