#pragma once
// Each limit against its number in the report, in the limits' order, and the
// verdict: a pass when every limit passes (or none is given). A limit whose
// number could not be computed fails.

#include "limits.h"
#include "run_report.h"

// `limits` may be null for none. Run again after a campaign is added.
void evaluateLimits(const LimitSet* limits, RunReport* report);
