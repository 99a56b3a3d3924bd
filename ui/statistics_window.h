#pragma once
// The statistics window: the live run report, refreshed once a second while
// it is shown, with the reference position to measure against and "Save
// Report". Modeless; closing it only hides it.

#include <windows.h>

#include <memory>

#include "base/fixed_text.h"
#include "ui/panel_painter_win32.h"
#include "ui/statistics_view.h"
#include "window/cwnd.h"

class RunJudge;

class CStatisticsWindow : public CWnd {
public:
    explicit CStatisticsWindow(RunJudge& runJudge) : judge(runJudge) {}
    ~CStatisticsWindow() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates the window the first time, then shows it and refreshes it at once.
    int show(HINSTANCE instance, HWND owner);
    // A line under the report: what went wrong reading the settings, or a save.
    void setNote(const char16_t* text);
    // Refreshes now when shown (a new run started, a reference set).
    void refresh();
    // True while the operator's reference, set here, holds over the settings file's.
    bool hasOwnReference() const { return ownReference; }

private:
    static constexpr UINT_PTR refreshTimer = 1;
    static constexpr UINT refreshMs = 1000;

    LRESULT onInitDialog();
    void onCommand(int id);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void setReferenceFromFields();
    void useMeanReference();
    void saveReport();
    void hide();

    RunJudge& judge;
    HWND owner = nullptr;
    PanelGdiObjects gdi;
    std::unique_ptr<StatisticsView> view = std::make_unique<StatisticsView>();
    FixedText<256> note;
    bool ownReference = false;
};
