#include "replay_report.h"

#include <string>

#include "limits_file.h"
#include "replay_session.h"
#include "report/report_html.h"
#include "stats/build_run_report.h"
#include "stats/report_json.h"

namespace {

void setError(IniError* error, const char* path, const char* what) {
    std::snprintf(error->message, sizeof error->message, "%s: %s", path, what);
}

// Writes the text and closes the file; 1 when both went well.
int writeAndClose(std::FILE* file, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? 1 : 0;
}

}  // namespace

ReplayReport::ReplayReport(const ReportOptions& reportOptions)
    : options(reportOptions),
      statistics(std::make_unique<RunStatistics>()),
      scratch(std::make_unique<ReportScratch>()),
      runReport(std::make_unique<RunReport>()) {}

ReplayReport::~ReplayReport() {
    for (std::FILE* open : {file, htmlFile}) {
        if (open != nullptr) {
            std::fclose(open);
        }
    }
}

int ReplayReport::prepare(IniError* error) {
    if (options.limitsPath != nullptr && !readLimitsFile(options.limitsPath, &limits, error)) {
        return 0;
    }
    if (options.reportPath != nullptr) {
        file = std::fopen(options.reportPath, "wb");
        if (file == nullptr) {
            setError(error, options.reportPath, "the report file cannot be created");
            return 0;
        }
    }
    if (options.htmlPath != nullptr) {
        htmlFile = std::fopen(options.htmlPath, "wb");
        if (htmlFile == nullptr) {
            setError(error, options.htmlPath, "the report page cannot be created");
            return 0;
        }
    }
    return 1;
}

void ReplayReport::listen(ReplaySession& session) {
    statistics->startRun(RunSource::recording);
    session.intake.setListener(statistics.get());
}

int ReplayReport::finish(IniError* error) {
    ReportInputs inputs;
    if (options.hasReference) {
        inputs.reference = options.reference;
    }
    inputs.limits = &limits;
    buildRunReport(*statistics, inputs, *scratch, runReport.get());
    if (!writeJson(error) || !writeHtml(error)) {
        return exitBadInput;
    }
    return runReport->pass ? exitDone : exitLimitFailed;
}

int ReplayReport::writeJson(IniError* error) {
    if (file == nullptr) {
        return 1;
    }
    std::string json;
    appendReportJson(json, *runReport);
    std::FILE* closing = file;
    file = nullptr;
    if (!writeAndClose(closing, json)) {
        setError(error, options.reportPath, "the report file could not be written");
        return 0;
    }
    return 1;
}

int ReplayReport::writeHtml(IniError* error) {
    if (htmlFile == nullptr) {
        return 1;
    }
    auto charts = std::make_unique<ReportCharts>();
    buildReportCharts(*runReport, *statistics, charts.get());
    std::string html;
    ReportPage page;
    page.source = options.sourceName;
    appendReportHtml(html, *runReport, *charts, page);
    std::FILE* closing = htmlFile;
    htmlFile = nullptr;
    if (!writeAndClose(closing, html)) {
        setError(error, options.htmlPath, "the report page could not be written");
        return 0;
    }
    return 1;
}
