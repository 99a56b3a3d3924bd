#include "statistics_window.h"

#include "base/wide_win32.h"
#include "res/resource.h"
#include "stats/reference_position.h"
#include "stats/run_judge.h"
#include "ui/statistics_view.h"
#include "window/messages.h"

CStatisticsWindow::CStatisticsWindow(RunJudge& runJudge)
    : CTextRowsWindow(IDD_STATISTICS, IDC_STAT_AREA, 1000), judge(runJudge) {}

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
        default:
            break;
    }
}

void CStatisticsWindow::buildRows(std::int32_t width, std::int32_t height,
                                  const char16_t* noteText, TextRowsView* rows) {
    StatisticsViewInputs inputs;
    inputs.width = width;
    inputs.height = height;
    inputs.note = noteText;
    buildStatisticsView(judge.refresh(), inputs, rows);
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
    if (SendMessageW(ownerWindow(), MSG_SAVE_REPORT, 0, 0) == 0) {
        setNote(u"Save ERROR!!");
    }
}
