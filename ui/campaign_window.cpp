#include "campaign_window.h"

#include <cstdio>
#include <iterator>

#include "base/wide_win32.h"
#include "commands/campaign_fields.h"
#include "res/resource.h"
#include "stats/run_judge.h"
#include "ui/text_rows_win32.h"
#include "window/messages.h"

CCampaignWindow::~CCampaignWindow() {
    if (gdi.font != nullptr) {
        DeleteObject(gdi.font);
    }
}

int CCampaignWindow::show(HINSTANCE instance, HWND ownerWindow) {
    owner = ownerWindow;
    if (handle() == nullptr &&
        CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_CAMPAIGN), owner, dialogAdapter,
                           reinterpret_cast<LPARAM>(this)) == nullptr) {
        return 0;
    }
    ShowWindow(handle(), SW_SHOW);
    SetTimer(handle(), refreshTimer, refreshMs, nullptr);
    refresh();
    return 1;
}

LRESULT CCampaignWindow::handleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog();
        case WM_COMMAND:
            onCommand(LOWORD(wParam));
            return 1;
        case WM_TIMER:
            if (wParam == refreshTimer) {
                refresh();
            }
            return 1;
        case WM_DRAWITEM:
            paintTextRows(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *view, gdi);
            return 1;
        case WM_CLOSE:
            KillTimer(handle(), refreshTimer);
            ShowWindow(handle(), SW_HIDE);
            return 1;
        default:
            return 0;  // the dialog manager's own answer
    }
}

LRESULT CCampaignWindow::onInitDialog() {
    gdi.font = createPanelFont(textRowsFontPx);
    fillLists();
    SetDlgItemTextW(handle(), IDC_CAMP_COUNT, L"10");
    SetDlgItemTextW(handle(), IDC_CAMP_TIMEOUT, L"120");
    SetDlgItemTextW(handle(), IDC_CAMP_SETTLE, L"5");
    return 1;
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
            SendMessageW(owner, MSG_CAMPAIGN_START, 0, 0);
            refresh();
            break;
        case IDC_CAMP_STOP:
            SendMessageW(owner, MSG_CAMPAIGN_STOP, 0, 0);
            refresh();
            break;
        case IDCANCEL:  // Escape and the caption's close box
            SendMessageW(handle(), WM_CLOSE, 0, 0);
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

void CCampaignWindow::setNote(const char16_t* text) {
    note.assign(text);
    refresh();
}

void CCampaignWindow::setNoteAscii(const char* text) {
    note.assignAscii(text);
    refresh();
}

void CCampaignWindow::refresh() {
    if (handle() == nullptr) {
        return;
    }
    EnableWindow(GetDlgItem(handle(), IDC_CAMP_START), runner.running() ? FALSE : TRUE);
    EnableWindow(GetDlgItem(handle(), IDC_CAMP_STOP), runner.running() ? TRUE : FALSE);
    if (!IsWindowVisible(handle())) {
        return;
    }
    const HWND area = GetDlgItem(handle(), IDC_CAMP_AREA);
    RECT client;
    GetClientRect(area, &client);
    CampaignViewInputs inputs;
    inputs.width = client.right;
    inputs.height = client.bottom;
    inputs.elapsedMs = runner.report().count > 0 ? runner.elapsedMs(GetTickCount()) : 0;
    inputs.note = note.c_str();
    buildCampaignView(runner, judge.refresh(&runner.report()), inputs, view.get());
    showTextRows(area, *view);
}
