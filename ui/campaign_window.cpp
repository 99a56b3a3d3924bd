#include "campaign_window.h"

#include <cstdio>
#include <iterator>

#include "base/wide_win32.h"
#include "commands/campaign_fields.h"
#include "res/resource.h"
#include "stats/run_judge.h"
#include "ui/campaign_view.h"
#include "window/messages.h"

CCampaignWindow::CCampaignWindow(const CampaignRunner& campaignRunner, RunJudge& runJudge)
    : CTextRowsWindow(IDD_CAMPAIGN, IDC_CAMP_AREA, 500), runner(campaignRunner), judge(runJudge) {}

void CCampaignWindow::onInitDialog() {
    fillLists();
    SetDlgItemTextW(handle(), IDC_CAMP_COUNT, L"10");
    SetDlgItemTextW(handle(), IDC_CAMP_TIMEOUT, L"120");
    SetDlgItemTextW(handle(), IDC_CAMP_SETTLE, L"5");
}

void CCampaignWindow::fillLists() {
    const HWND kinds = GetDlgItem(handle(), IDC_CAMP_KIND);
    for (StartKind kind : allStartKinds) {
        SendMessageA(kinds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(startKindName(kind)));
    }
    SendMessageW(kinds, CB_SETCURSEL, 2, 0);  // cold
    const HWND families = GetDlgItem(handle(), IDC_CAMP_FAMILY);
    for (int i = 0; i < campaignFamilyEntries; ++i) {
        SendMessageA(families, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(campaignFamilyEntry(i)));
    }
    SendMessageW(families, CB_SETCURSEL, 0, 0);  // auto
}

void CCampaignWindow::onCommand(int id) {
    switch (id) {
        case IDC_CAMP_START:
            SendMessageW(ownerWindow(), MSG_CAMPAIGN_START, 0, 0);
            refresh();
            break;
        case IDC_CAMP_STOP:
            SendMessageW(ownerWindow(), MSG_CAMPAIGN_STOP, 0, 0);
            refresh();
            break;
        default:
            break;
    }
}

int CCampaignWindow::readSettings(CampaignSettings* settings,
                                  std::optional<GeoPoint>* reference) {
    char count[32] = "", timeout[32] = "", settle[32] = "", lat[64] = "", lon[64] = "";
    GetDlgItemTextA(handle(), IDC_CAMP_COUNT, count, sizeof count);
    GetDlgItemTextA(handle(), IDC_CAMP_TIMEOUT, timeout, sizeof timeout);
    GetDlgItemTextA(handle(), IDC_CAMP_SETTLE, settle, sizeof settle);
    GetDlgItemTextA(handle(), IDC_CAMP_LAT, lat, sizeof lat);
    GetDlgItemTextA(handle(), IDC_CAMP_LON, lon, sizeof lon);
    CampaignFields fields;
    fields.kindPosition =
        static_cast<int>(SendDlgItemMessageW(handle(), IDC_CAMP_KIND, CB_GETCURSEL, 0, 0));
    fields.familyPosition =
        static_cast<int>(SendDlgItemMessageW(handle(), IDC_CAMP_FAMILY, CB_GETCURSEL, 0, 0));
    fields.count = count;
    fields.timeoutS = timeout;
    fields.settleS = settle;
    fields.referenceLat = lat;
    fields.referenceLon = lon;
    const char* problem = "";
    if (!readCampaignFields(fields, settings, reference, &problem)) {
        setNoteAscii(problem);
        return 0;
    }
    return 1;
}

void CCampaignWindow::showSettings(const CampaignSettings& settings,
                                   const std::optional<GeoPoint>& reference) {
    int kind = 0;
    for (int i = 0; i < static_cast<int>(std::size(allStartKinds)); ++i) {
        kind = allStartKinds[i] == settings.kind ? i : kind;
    }
    SendDlgItemMessageW(handle(), IDC_CAMP_KIND, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    int family = settings.choice == FamilyChoice::all ? 1 : 0;
    if (settings.choice == FamilyChoice::one) {
        family = 1 + static_cast<int>(settings.family);  // the families follow "all"
    }
    SendDlgItemMessageW(handle(), IDC_CAMP_FAMILY, CB_SETCURSEL, static_cast<WPARAM>(family), 0);
    SetDlgItemInt(handle(), IDC_CAMP_COUNT, static_cast<UINT>(settings.count), FALSE);
    SetDlgItemInt(handle(), IDC_CAMP_TIMEOUT, static_cast<UINT>(settings.timeoutS), FALSE);
    SetDlgItemInt(handle(), IDC_CAMP_SETTLE, static_cast<UINT>(settings.settleS), FALSE);
    if (reference) {
        char lat[32], lon[32];
        std::snprintf(lat, sizeof lat, "%.8f", reference->lat);
        std::snprintf(lon, sizeof lon, "%.8f", reference->lon);
        SetDlgItemTextA(handle(), IDC_CAMP_LAT, lat);
        SetDlgItemTextA(handle(), IDC_CAMP_LON, lon);
    }
}

void CCampaignWindow::updateControls() {
    EnableWindow(GetDlgItem(handle(), IDC_CAMP_START), runner.running() ? FALSE : TRUE);
    EnableWindow(GetDlgItem(handle(), IDC_CAMP_STOP), runner.running() ? TRUE : FALSE);
}

void CCampaignWindow::buildRows(std::int32_t width, std::int32_t height,
                                const char16_t* noteText, TextRowsView* rows) {
    CampaignViewInputs inputs;
    inputs.width = width;
    inputs.height = height;
    inputs.elapsedMs = runner.report().count > 0 ? runner.elapsedMs(GetTickCount()) : 0;
    inputs.note = noteText;
    buildCampaignView(runner, judge.refresh(&runner.report()), inputs, rows);
}
