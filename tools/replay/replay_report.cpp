#include "replay_report.h"

#include <string>

#include "limits_file.h"
#include "replay_session.h"
#include "stats/report_json.h"

namespace {

void setError(IniError* error, const char* path, const char* what) {
    std::snprintf(error->message, sizeof error->message, "%s: %s", path, what);
}

}  // namespace

ReplayReport::ReplayReport(const ReportOptions& reportOptions)
    : options(reportOptions), judge(std::make_unique<RunJudge>()) {}

ReplayReport::~ReplayReport() {
    if (file != nullptr) {
        std::fclose(file);
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
    return 1;
}

void ReplayReport::listen(ReplaySession& session) {
    judge->startRun(RunSource::recording);
    session.intake.setListener(&judge->statistics());
}

int ReplayReport::finish(IniError* error) {
    const RunReport& runReport = judge->refresh();
    if (file != nullptr) {
        std::string json;
        appendReportJson(json, runReport);
        const bool written = std::fwrite(json.data(), 1, json.size(), file) == json.size();
        const bool closed = std::fclose(file) == 0;
        file = nullptr;
        if (!written || !closed) {
            setError(error, options.reportPath, "the report file could not be written");
            return exitBadInput;
        }
    }
    return runReport.pass ? exitDone : exitLimitFailed;
}
