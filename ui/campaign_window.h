#pragma once
// The campaign window: the campaign's settings (kind, family, starts,
// timeout, settle time, reference), Start and Stop, and its progress, the
// verdict and a row for each start, refreshed while it is shown. Modeless;
// closing it only hides it, the campaign goes on.

#include <windows.h>

#include <memory>
#include <optional>

#include "base/fixed_text.h"
#include "commands/campaign_runner.h"
#include "stats/geodesy.h"
#include "ui/campaign_view.h"
#include "ui/panel_painter_win32.h"
#include "window/cwnd.h"

class RunJudge;

class CCampaignWindow : public CWnd {
public:
    CCampaignWindow(const CampaignRunner& campaignRunner, RunJudge& runJudge)
        : runner(campaignRunner), judge(runJudge) {}
    ~CCampaignWindow() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates the window the first time, then shows it and refreshes it.
    int show(HINSTANCE instance, HWND owner);
    // The fields as settings; 0 with what is wrong shown in the window.
    int readSettings(CampaignSettings* settings, std::optional<GeoPoint>* reference);
    // Fills the fields, as a campaign from the command line asks.
    void showSettings(const CampaignSettings& settings, const std::optional<GeoPoint>& reference);
    // A line over the progress: what the last request met.
    void setNote(const char16_t* text);
    void setNoteAscii(const char* text);
    const char16_t* noteText() const { return note.c_str(); }
    // Rebuilds the progress and enables Start or Stop.
    void refresh();

private:
    static constexpr UINT_PTR refreshTimer = 1;
    static constexpr UINT refreshMs = 500;

    LRESULT onInitDialog();
    void onCommand(int id);
    void fillLists();

    const CampaignRunner& runner;
    RunJudge& judge;
    HWND owner = nullptr;
    PanelGdiObjects gdi;
    std::unique_ptr<CampaignView> view = std::make_unique<CampaignView>();
    FixedText<256> note;
};
