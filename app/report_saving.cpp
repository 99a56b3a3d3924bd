// The run report on disk: JSON and a self-contained HTML page (and a
// campaign's starts as CSV), from "Save Report", at a campaign's end, and
// for a campaign run from the command line.

#include <iterator>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "base/machine_local_time.h"
#include "base/wide_win32.h"
#include "report/report_html.h"
#include "serial/log_path.h"
#include "stats/campaign_csv.h"
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

// The page names what was measured: the port or the replayed file, in UTF-8.
void appendSourceName(const PortPath& path, char (&name)[600]) {
    name[0] = 0;
    const int written = WideCharToMultiByte(CP_UTF8, 0, asWide(path.c_str()), -1, name,
                                            static_cast<int>(std::size(name)), nullptr, nullptr);
    if (written <= 0) {
        name[0] = 0;
    }
}

int writeBeside(const LogPath& stem, const char16_t* suffix, const std::string& text) {
    LogPath path;
    path.assign(stem.c_str());
    path.append(suffix);
    return path.length() + 1 < LogPath::capacity && writeWholeFile(asWide(path.c_str()), text);
}

}  // namespace

int CMainWindow::writeReportFiles(const LogPath& stem, const RunReport& report) {
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
    if (!writeBeside(stem, u".json", json) || !writeBeside(stem, u".html", html)) {
        return 0;
    }
    if (report.hasCampaign) {
        std::string csv;
        appendCampaignCsv(csv, report.campaign);
        return writeBeside(stem, u".csv", csv);
    }
    return 1;
}

// Beside the program, under the name: the path without its suffixes.
int CMainWindow::stemBesideProgram(const ReportBaseName& name, LogPath* stem) {
    wchar_t executable[260] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, executable,
                                            static_cast<DWORD>(std::size(executable)));
    return length > 0 && length < std::size(executable) &&
           buildPathBeside(asText16(executable), name.c_str(), "", stem) == LogPathResult::ok;
}

int CMainWindow::onSaveReport() {
    const ReportBaseName name =
        reportBaseName(log.isOpen() ? logName.c_str() : u"", machineLocalNow());
    LogPath stem;
    if (!stemBesideProgram(name, &stem) || !writeReportFiles(stem, judge.refresh())) {
        return 0;
    }
    FixedText<256> saved;
    saved.assignAscii("Saved ");
    saved.append(name.c_str());
    saved.append(u".json and .html");
    statisticsWindow.setNote(saved.c_str());
    return 1;
}
