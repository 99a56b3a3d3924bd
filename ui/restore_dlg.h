#pragma once
// The graphics panel: fix fields, sky plot and signal bars, composed off
// screen from the receiver state on every paint.

#include <windows.h>

#include "app/cwnd.h"

struct ReceiverState;

class CRestoreDlg : public CWnd {
public:
    explicit CRestoreDlg(ReceiverState& receiverState) : state(receiverState) {}

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int create(HINSTANCE instance, HWND parent);
    // Invalidates the whole panel without erasing: the paint covers it all.
    void requestRepaint();

    HBRUSH whiteBrush = nullptr;
    HBRUSH greenBrush = nullptr;
    HBRUSH blueBrush = nullptr;
    HPEN redPen = nullptr;
    HPEN bluePen = nullptr;
    HPEN greenPen = nullptr;
    ReceiverState& state;
    HBITMAP skyBitmap = nullptr;

private:
    LRESULT onInitDialog();
    void onPaint(HWND window);
};
