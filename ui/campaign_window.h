#pragma once
// The campaign window: the campaign's settings (kind, family, starts,
// timeout, settle time, reference), Start and Stop, and its progress, the
// verdict and a row for each start, refreshed while it is shown. Modeless;
// closing it only hides it, the campaign goes on.

#include <optional>

#include "commands/campaign_runner.h"
#include "stats/geodesy.h"
#include "ui/text_rows_window.h"

class RunJudge;

class CCampaignWindow : public CTextRowsWindow {
public:
    CCampaignWindow(const CampaignRunner& campaignRunner, RunJudge& runJudge);

    // The fields as settings; 0 with what is wrong shown in the window.
    int readSettings(CampaignSettings* settings, std::optional<GeoPoint>* reference);
    // Fills the fields, as a campaign from the command line asks.
    void showSettings(const CampaignSettings& settings, const std::optional<GeoPoint>& reference);

private:
    void onInitDialog() override;
    void onCommand(int id) override;
    void updateControls() override;  // Start or Stop
    void buildRows(std::int32_t width, std::int32_t height, const char16_t* noteText,
                   TextRowsView* rows) override;
    void fillLists();

    const CampaignRunner& runner;
    RunJudge& judge;
};
