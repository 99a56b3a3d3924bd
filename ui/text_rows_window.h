#pragma once
// A modeless window around an owner-drawn area of text rows, refreshed on a
// timer while it is shown, with a note over the rows: what the statistics
// and the campaign windows have in common. Closing it only hides it.

#include <windows.h>

#include <memory>

#include "base/fixed_text.h"
#include "ui/panel_painter_win32.h"
#include "ui/text_rows.h"
#include "window/cwnd.h"

class CTextRowsWindow : public CWnd {
public:
    ~CTextRowsWindow() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;

    // Creates the window the first time, then shows it and refreshes it at once.
    int show(HINSTANCE instance, HWND owner);
    // A line with the rows: what the last request met.
    void setNote(const char16_t* text);
    void setNoteAscii(const char* text);
    const char16_t* noteText() const { return note.c_str(); }
    // Brings the controls up to date, and the rows too when shown.
    void refresh();

protected:
    CTextRowsWindow(int dialogId, int areaId, UINT refreshMs)
        : dialog(dialogId), area(areaId), refreshEveryMs(refreshMs) {}

    HWND ownerWindow() const { return owner; }
    // The window's own controls: filled once, then their commands.
    virtual void onInitDialog() {}
    virtual void onCommand(int id) = 0;
    // Enables what can be pressed; called at each refresh, shown or not.
    virtual void updateControls() {}
    // The rows for an area of this size, with the note.
    virtual void buildRows(std::int32_t width, std::int32_t height, const char16_t* noteText,
                           TextRowsView* rows) = 0;

private:
    static constexpr UINT_PTR refreshTimer = 1;

    void hide();

    int dialog;
    int area;
    UINT refreshEveryMs;
    HWND owner = nullptr;
    PanelGdiObjects gdi;
    std::unique_ptr<TextRowsView> view = std::make_unique<TextRowsView>();
    FixedText<256> note;
};
