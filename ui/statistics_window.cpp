#include "statistics_window.h"

#include "base/wide_win32.h"
#include "res/resource.h"
#include "stats/reference_position.h"
#include "stats/run_judge.h"
#include "ui/text_rows_win32.h"
#include "window/messages.h"

CStatisticsWindow::~CStatisticsWindow() {
    if (gdi.font != nullptr) {
        DeleteObject(gdi.font);
    }
}

int CStatisticsWindow::show(HINSTANCE instance, HWND ownerWindow) {
    owner = ownerWindow;
    if (handle() == nullptr &&
        CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_STATISTICS), owner, dialogAdapter,
                           reinterpret_cast<LPARAM>(this)) == nullptr) {
        return 0;
    }
    ShowWindow(handle(), SW_SHOW);
    SetTimer(handle(), refreshTimer, refreshMs, nullptr);
    refresh();
    return 1;
}

LRESULT CStatisticsWindow::handleMessage(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
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
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_CLOSE:
            hide();
            return 1;
        default:
            (void)window;
            return 0;  // the dialog manager's own answer
    }
}

LRESULT CStatisticsWindow::onInitDialog() {
    gdi.font = createPanelFont(textRowsFontPx);
    return 1;
}

void CStatisticsWindow::onCommand(int id) {
    switch (id) {
        case IDC_REF_SET:
            setReferenceFromFields();
            break;
        case IDC_REF_MEAN:
            useMeanReference();
            break;
        case IDC_SAVE_REPORT:
            saveReport();
            break;
        case IDCANCEL:  // Escape and the caption's close box
            hide();
            break;
        default:
            break;
    }
}

void CStatisticsWindow::hide() {
    KillTimer(handle(), refreshTimer);
    ShowWindow(handle(), SW_HIDE);
}

void CStatisticsWindow::setNote(const char16_t* text) {
    note.assign(text);
    refresh();
}

// The report is rebuilt and its text set on the area, which repaints it.
void CStatisticsWindow::refresh() {
    if (handle() == nullptr || !IsWindowVisible(handle())) {
        return;
    }
    const HWND area = GetDlgItem(handle(), IDC_STAT_AREA);
    RECT client;
    GetClientRect(area, &client);
    StatisticsViewInputs inputs;
    inputs.width = client.right;
    inputs.height = client.bottom;
    inputs.note = note.c_str();
    buildStatisticsView(judge.refresh(), inputs, view.get());
    showTextRows(area, *view);
}

void CStatisticsWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    paintTextRows(item, *view, gdi);
}

// Both fields as decimal degrees; anything else leaves the reference as it was.
void CStatisticsWindow::setReferenceFromFields() {
    char lat[64] = "";
    char lon[64] = "";
    GetDlgItemTextA(handle(), IDC_REF_LAT, lat, sizeof lat);
    GetDlgItemTextA(handle(), IDC_REF_LON, lon, sizeof lon);
    char both[132];
    wsprintfA(both, "%s,%s", lat, lon);
    GeoPoint reference;
    if (!parseReferenceArgument(both, &reference)) {
        setNote(u"Reference ERROR!! Degrees, such as 25.0391 and 121.5764");
        return;
    }
    judge.setReference(reference);
    ownReference = true;
    setNote(u"");
}

// The mean of the fixes, until the settings file names a reference again.
void CStatisticsWindow::useMeanReference() {
    judge.setReference(std::nullopt);
    ownReference = false;
    SetDlgItemTextW(handle(), IDC_REF_LAT, L"");
    SetDlgItemTextW(handle(), IDC_REF_LON, L"");
    setNote(u"");
}

// The main window knows where and under which name; it says what it saved.
void CStatisticsWindow::saveReport() {
    if (SendMessageW(owner, MSG_SAVE_REPORT, 0, 0) == 0) {
        setNote(u"Save ERROR!!");
    }
}
