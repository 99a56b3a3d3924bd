// The "Log File" check box: starts and stops recording the accepted sentences.

#include <iterator>

#include "app/main_window.h"
#include "base/wide_win32.h"
#include "nmea/field_scan.h"
#include "res/resource.h"
#include "serial/log_path.h"

// A log that cannot start leaves everything as it was before the tick, so the
// operator can pick another name and try again.
void CMainWindow::refuseLogStart(bool reportError) {
    controlPanel.setChecked(IDC_LOG_FILE, false);
    if (reportError) {
        controlPanel.showConsoleMessage(L"Log File ERROR!!");
    }
}

// The check box posts the log messages and never reads their result, which is
// 0 whatever happens; a refused start shows in the console instead.
int CMainWindow::onLogStart() {
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
        graphicsPanel.setSignalOffset(offset);
    }
    if (built == LogPathResult::tooLong || executableCut || !log.create(asWide(path.c_str()))) {
        refuseLogStart(true);
        return 0;
    }
    graphicsPanel.setLogging(true);
    controlPanel.showLogRunning(true);
    logName.assign(asText16(name));
    return 0;
}

int CMainWindow::onLogStop() {
    if (!log.isOpen()) {
        return 0;
    }
    log.close();
    graphicsPanel.setLogging(false);
    controlPanel.showLogRunning(false);
    return 0;
}
