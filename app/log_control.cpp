// The "Log File" check box: starts and stops recording the accepted sentences.

#include <iterator>

#include "app/base_wnd.h"
#include "base/wide_win32.h"
#include "nmea/field_scan.h"
#include "res/resource.h"
#include "serial/log_file_win32.h"
#include "serial/log_path.h"

// A log that cannot start leaves everything as it was before the tick, so the
// operator can pick another name and try again.
void CBaseWnd::refuseLogStart(bool reportError) {
    controlPanel.setChecked(IDC_LOG_FILE, false);
    if (reportError) {
        controlPanel.showConsoleMessage(L"Log File ERROR!!");
    }
}

// The check box posts the log messages and never reads their result, which is
// 0 whatever happens; a refused start shows in the console instead.
int CBaseWnd::onLogStart() {
    wchar_t executable[260];
    ZeroMemory(executable, sizeof executable);
    const DWORD executableLength = GetModuleFileNameW(GetModuleHandleW(nullptr), executable,
                                                      static_cast<DWORD>(std::size(executable)));
    executable[std::size(executable) - 1] = 0;
    // A cut path may end inside another folder; its log could not be found.
    const bool executableCut = executableLength >= std::size(executable);

    wchar_t modText[256] = L"";
    GetWindowTextW(controlPanel.control(IDC_MOD), modText, static_cast<int>(std::size(modText)));
    std::int32_t offset = 0;
    wchar_t name[256] = L"";
    GetWindowTextW(controlPanel.control(IDC_LOG_NAME), name, static_cast<int>(std::size(name)));

    LogPath path;
    const LogPathResult built = buildLogPath(asText16(executable), asText16(name), &path);
    if (built == LogPathResult::noFolder) {
        refuseLogStart(false);
        return 0;
    }
    if (scanDecimal(asText16(modText), 0, &offset)) {
        signalOffset = offset;
    }
    if (built == LogPathResult::tooLong || executableCut || !createLogFile(asWide(path.c_str()))) {
        refuseLogStart(true);
        return 0;
    }
    // Name and offset stay fixed while the log runs.
    controlPanel.enable(IDC_LOG_NAME, false);
    controlPanel.enable(IDC_MOD, false);
    return 0;
}

int CBaseWnd::onLogStop() {
    if (!logOpen()) {
        return 0;
    }
    closeLogFile();
    controlPanel.enable(IDC_LOG_NAME, true);
    controlPanel.enable(IDC_MOD, true);
    return 0;
}
