#pragma once
// A run as the program and the replay judge it: its statistics, the limits
// and the reference position it is measured against, and its latest report.
// Everything is made once, when the judge is; a report is rebuilt in place.

#include <memory>
#include <optional>

#include "build_run_report.h"
#include "geodesy.h"
#include "limits.h"
#include "report_scratch.h"
#include "run_report.h"
#include "run_statistics.h"

class RunJudge {
public:
    RunJudge();

    // The statistics, to be the intake's listener.
    RunStatistics& statistics() { return *runStatistics; }
    void startRun(RunSource source) { runStatistics->startRun(source); }

    void setLimits(const LimitSet& limitSet) { limits = limitSet; }
    const LimitSet& limitSet() const { return limits; }
    // A given reference; none measures against the mean of the positions.
    void setReference(std::optional<GeoPoint> given) { reference = given; }
    const std::optional<GeoPoint>& givenReference() const { return reference; }

    // Builds the report of the run so far and judges it by the limits; with
    // a campaign, that too, each start's error at fix measured from the run's
    // reference.
    const RunReport& refresh(const CampaignReport* campaign = nullptr);
    const RunReport& report() const { return *runReport; }

private:
    std::unique_ptr<RunStatistics> runStatistics;
    std::unique_ptr<ReportScratch> scratch;
    std::unique_ptr<RunReport> runReport;
    LimitSet limits;
    std::optional<GeoPoint> reference;
};
