#include "replay_report.h"

#include <string>

#include "stats/limits_file.h"
#include "replay_session.h"
#include "report/report_html.h"
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
    : options(reportOptions), judge(std::make_unique<RunJudge>()) {}

ReplayReport::~ReplayReport() {
    for (std::FILE* open : {file, htmlFile}) {
        if (open != nullptr) {
            std::fclose(open);
        }
    }
}

int ReplayReport::prepare(IniError* error) {
    LimitSet limits;
    if (options.limitsPath != nullptr && !readLimitsFile(options.limitsPath, &limits, error)) {
        return 0;
    }
    judge->setLimits(limits);
    if (options.hasReference) {
        judge->setReference(options.reference);
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
    judge->startRun(RunSource::recording);
    session.intake.setListener(&judge->statistics());
}

int ReplayReport::finish(IniError* error) {
    const RunReport& runReport = judge->refresh();
    if (!writeJson(error) || !writeHtml(error)) {
        return exitBadInput;
    }
    return runReport.pass ? exitDone : exitLimitFailed;
}

int ReplayReport::writeJson(IniError* error) {
    if (file == nullptr) {
        return 1;
    }
    std::string json;
    appendReportJson(json, judge->report());
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
    buildReportCharts(judge->report(), judge->statistics(), charts.get());
    std::string html;
    ReportPage page;
    page.source = options.sourceName;
    appendReportHtml(html, judge->report(), *charts, page);
    std::FILE* closing = htmlFile;
    htmlFile = nullptr;
    if (!writeAndClose(closing, html)) {
        setError(error, options.htmlPath, "the report page could not be written");
        return 0;
    }
    return 1;
}
