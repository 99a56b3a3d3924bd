#pragma once
// The run report of a replay: the run's statistics listen to the session's
// intake, and at the end the report is built, judged and written as JSON,
// as an HTML page with its charts, or both.

#include <cstdio>
#include <memory>

#include "report/report_charts.h"
#include "report_options.h"
#include "stats/ini_line.h"
#include "stats/run_judge.h"

class ReplaySession;

// skyvane-replay's exit statuses.
constexpr int exitDone = 0;
constexpr int exitBadInput = 2;
constexpr int exitLimitFailed = 3;

class ReplayReport {
public:
    explicit ReplayReport(const ReportOptions& reportOptions);
    ~ReplayReport();
    ReplayReport(const ReplayReport&) = delete;
    ReplayReport& operator=(const ReplayReport&) = delete;

    // Before the replay, so that a bad limits file or a report or page path
    // that cannot be created fails at once. Returns 1, or 0 with `error` set.
    int prepare(IniError* error);

    // A new run of a recording, fed by the session's every line.
    void listen(ReplaySession& session);

    // Builds and writes the report. Returns exitDone when every limit passed
    // (or none was given), exitLimitFailed when one failed, or exitBadInput
    // with `error` set when the report could not be written.
    int finish(IniError* error);

    const RunReport& report() const { return judge->report(); }

private:
    int writeJson(IniError* error);
    int writeHtml(IniError* error);

    const ReportOptions options;
    std::FILE* file = nullptr;
    std::FILE* htmlFile = nullptr;
    std::unique_ptr<RunJudge> judge;
};
