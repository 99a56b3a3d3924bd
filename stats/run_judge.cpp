#include "run_judge.h"

RunJudge::RunJudge()
    : runStatistics(std::make_unique<RunStatistics>()),
      scratch(std::make_unique<ReportScratch>()),
      runReport(std::make_unique<RunReport>()) {}

const RunReport& RunJudge::refresh() {
    ReportInputs inputs;
    inputs.reference = reference;
    inputs.limits = &limits;
    buildRunReport(*runStatistics, inputs, *scratch, runReport.get());
    return *runReport;
}
