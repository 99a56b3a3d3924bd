#pragma once
// The graphics panel: fix fields, sky plot and signal bars, composed off
// screen from the receiver state on every paint.

#include <windows.h>

#include "window/cwnd.h"
#include "ui/panel_display_list.h"
#include "ui/panel_painter_win32.h"
#include "ui/repaint_pacer.h"

struct ReceiverState;

class CGraphicsPanel : public CWnd {
public:
    explicit CGraphicsPanel(ReceiverState& receiverState) : state(receiverState) {}

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int create(HINSTANCE instance, HWND parent);
    // Invalidates the whole panel without erasing (the paint covers it all),
    // at once or, in a stream faster than a receiver's, when the pacer's gap
    // after the last paint has passed.
    void requestRepaint();

    // What the panel shows besides the receiver state; set by the main window,
    // shown from the next paint.
    void setViews(const ViewFlags& views) { settings.views = views; }
    void setLogging(bool logging) { settings.logging = logging; }
    void setSignalOffset(std::int32_t offset) { settings.signalOffset = offset; }

    // Loaded and deleted by the main window; the panel only draws it.
    void setSkyBitmap(HBITMAP bitmap) { gdi.skyBitmap = bitmap; }
    HBITMAP skyBitmap() const { return gdi.skyBitmap; }

private:
    static constexpr UINT_PTR repaintTimer = 1;

    LRESULT onInitDialog();
    void invalidatePanel();
    void onPaint(HWND window);
    PanelInputs paintInputs(const RECT& client) const;

    ReceiverState& state;
    PanelInputs settings;
    PanelGdiObjects gdi;
    RepaintPacer pacer;
    bool repaintTimerArmed = false;
    // Rebuilt on every paint; kept here because it is too large for the stack.
    PanelDisplayList displayList;
};
