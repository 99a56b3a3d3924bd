#pragma once
// The statistics window's report area: the live run report as rows of texts
// in columns. The verdict and each limit's PASS or FAIL are in colour.

#include <cstddef>
#include <cstdint>

#include "base/fixed_text.h"
#include "stats/run_report.h"
#include "ui/text_rows.h"

using StatisticsView = TextRowsView;

struct StatisticsViewInputs {
    std::int32_t width = 0;
    std::int32_t height = 0;
    const char16_t* note = u"";  // a last line: what went wrong or what was saved
};

void buildStatisticsView(const RunReport& report, const StatisticsViewInputs& inputs,
                         StatisticsView* view);
