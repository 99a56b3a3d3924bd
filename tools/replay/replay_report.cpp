#include "replay_report.h"

#include <string>

#include "limits_file.h"
#include "replay_session.h"
#include "stats/build_run_report.h"
#include "stats/report_json.h"

namespace {

void setError(IniError* error, const char* path, const char* what) {
    std::snprintf(error->message, sizeof error->message, "%s: %s", path, what);
}

}  // namespace

ReplayReport::ReplayReport(const ReportOptions& reportOptions)
    : options(reportOptions),
      statistics(std::make_unique<RunStatistics>()),
      scratch(std::make_unique<ReportScratch>()),
      runReport(std::make_unique<RunReport>()) {}

ReplayReport::~ReplayReport() {
    if (file != nullptr) {
        std::fclose(file);
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
    if (file != nullptr) {
        std::string json;
        appendReportJson(json, *runReport);
        const bool written = std::fwrite(json.data(), 1, json.size(), file) == json.size();
        const bool closed = std::fclose(file) == 0;
        file = nullptr;
        if (!written || !closed) {
            setError(error, options.reportPath, "the report file could not be written");
            return exitBadInput;
        }
    }
    return runReport->pass ? exitDone : exitLimitFailed;
}
