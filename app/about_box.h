#pragma once

#include "cwnd.h"

// The About box: shown modally for as long as the object is being constructed.
class CAbout : public CWnd {
public:
    CAbout(HINSTANCE instance, HWND owner);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
