// "Save Report" of the statistics window: the run report as JSON beside the
// program, named after the running log or the local date and time.

#include <iterator>
#include <string>

#include "app/main_window.h"
#include "base/machine_local_time.h"
#include "base/wide_win32.h"
#include "serial/log_path.h"
#include "stats/report_file_name.h"
#include "stats/report_json.h"

namespace {

// The whole text in one write, or nothing left behind.
int writeWholeFile(const wchar_t* path, const std::string& text) {
    const HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != text.size()) {
        DeleteFileW(path);
        return 0;
    }
    return 1;
}

CivilTime localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    CivilTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond;
    return time;
}

}  // namespace

int CMainWindow::onSaveReport() {
    wchar_t executable[260] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, executable,
                                            static_cast<DWORD>(std::size(executable)));
    if (length == 0 || length >= std::size(executable)) {
        return 0;
    }
    const ReportBaseName name =
        reportBaseName(log.isOpen() ? logName.c_str() : u"", localNow());
    LogPath jsonPath;
    if (buildPathBeside(asText16(executable), name.c_str(), ".json", &jsonPath) !=
        LogPathResult::ok) {
        return 0;
    }
    std::string json;
    appendReportJson(json, judge.refresh());
    if (!writeWholeFile(asWide(jsonPath.c_str()), json)) {
        return 0;
    }
    FixedText<256> saved;
    saved.assignAscii("Saved ");
    saved.append(name.c_str());
    saved.append(u".json");
    statisticsWindow.setNote(saved.c_str());
    return 1;
}
