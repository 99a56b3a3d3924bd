#pragma once
// The run report as one JSON document, with the names of docs/run-report.md:
// members one a line at the top, each series' statistics on one line, so a
// changed report reads well in a diff.

#include <string>

#include "run_report.h"

void appendReportJson(std::string& out, const RunReport& report);

// The decimals the report gives the value a limit is compared with.
int limitValueDecimals(LimitKey key);
