#pragma once
// The four charts of the report page, built from a run's report and its
// statistics (the history and the kept positions). Large: made once.

#include "chart_display_list.h"
#include "scatter_chart.h"
#include "stats/run_report.h"
#include "stats/run_statistics.h"

struct ReportCharts {
    ChartDisplayList strength;
    ChartDisplayList satellites;
    ChartDisplayList error;
    ChartDisplayList scatter;
    ScatterSummary scatterSummary;
    std::int64_t samplesPerPoint = 1;  // of the history the time charts drew
};

void buildReportCharts(const RunReport& report, const RunStatistics& statistics,
                       ReportCharts* charts);
