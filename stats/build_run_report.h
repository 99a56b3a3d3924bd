#pragma once
// The report of a run so far, from its statistics: cheap enough to build
// once a second in the program during a long run (bench/report_benchmark),
// and without allocating.

#include <optional>

#include "geodesy.h"
#include "limits.h"
#include "report_scratch.h"
#include "run_report.h"
#include "run_statistics.h"

struct ReportInputs {
    std::optional<GeoPoint> reference;  // none: the mean of the positions
    const LimitSet* limits = nullptr;   // none: no limits, a pass
};

// Fills every part of the report but the campaign, which the campaign's
// runner adds (then evaluating the limits again).
void buildRunReport(const RunStatistics& statistics, const ReportInputs& inputs,
                    ReportScratch& scratch, RunReport* report);
