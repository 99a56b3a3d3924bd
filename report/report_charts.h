#pragma once
// The charts of the report page (four, and two of a campaign), built from a run's report and its
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
    // A campaign's, when the report has one.
    ChartDisplayList ttff;
    ChartDisplayList ttffHistogram;
    std::int64_t samplesPerPoint = 1;  // of the history the time charts drew
};

void buildReportCharts(const RunReport& report, const RunStatistics& statistics,
                       ReportCharts* charts);
