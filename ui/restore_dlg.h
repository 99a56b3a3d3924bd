#pragma once
// The graphics panel: fix fields, sky plot and signal bars, composed off
// screen from the receiver state on every paint.

#include <windows.h>

#include "app/cwnd.h"
#include "ui/panel_display_list.h"
#include "ui/panel_painter_win32.h"

struct ReceiverState;

class CRestoreDlg : public CWnd {
public:
    explicit CRestoreDlg(ReceiverState& receiverState) : state(receiverState) {}

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int create(HINSTANCE instance, HWND parent);
    // Invalidates the whole panel without erasing: the paint covers it all.
    void requestRepaint();

    // Loaded and deleted by the main window; the panel only draws it.
    void setSkyBitmap(HBITMAP bitmap) { gdi.skyBitmap = bitmap; }
    HBITMAP skyBitmap() const { return gdi.skyBitmap; }

private:
    LRESULT onInitDialog();
    void onPaint(HWND window);
    PanelInputs paintInputs(const RECT& client) const;

    ReceiverState& state;
    PanelGdiObjects gdi;
    // Rebuilt on every paint; kept here because it is too large for the stack.
    PanelDisplayList displayList;
};
