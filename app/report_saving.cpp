// "Save Report" of the statistics window: the run report as JSON and as an
// HTML page beside the program, named after the running log or the local
// date and time.

#include <iterator>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "base/machine_local_time.h"
#include "base/wide_win32.h"
#include "serial/log_path.h"
#include "report/report_html.h"
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

// The page names what was measured: the port or the replayed file, in UTF-8.
void appendSourceName(const PortPath& path, char (&name)[600]) {
    name[0] = 0;
    const int written = WideCharToMultiByte(CP_UTF8, 0, asWide(path.c_str()), -1, name,
                                            static_cast<int>(std::size(name)), nullptr, nullptr);
    if (written <= 0) {
        name[0] = 0;
    }
}

int writeReportFile(const char16_t* executable, const ReportBaseName& name, const char* suffix,
                    const std::string& text) {
    LogPath path;
    return buildPathBeside(executable, name.c_str(), suffix, &path) == LogPathResult::ok &&
           writeWholeFile(asWide(path.c_str()), text);
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
    const RunReport& report = judge.refresh();
    std::string json;
    appendReportJson(json, report);
    auto charts = std::make_unique<ReportCharts>();
    buildReportCharts(report, judge.statistics(), charts.get());
    char source[600];
    appendSourceName(connection.sourcePath(), source);
    ReportPage page;
    page.source = source;
    std::string html;
    appendReportHtml(html, report, *charts, page);
    if (!writeReportFile(asText16(executable), name, ".json", json) ||
        !writeReportFile(asText16(executable), name, ".html", html)) {
        return 0;
    }
    FixedText<256> saved;
    saved.assignAscii("Saved ");
    saved.append(name.c_str());
    saved.append(u".json and .html");
    statisticsWindow.setNote(saved.c_str());
    return 1;
}
