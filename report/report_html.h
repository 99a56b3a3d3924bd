#pragma once
// The run report as one self-contained HTML page: no script, and no font,
// picture or style sheet from elsewhere. The verdict first, then the limits,
// the charts (inline SVG of their display lists), the stream, the position,
// the signals and every satellite. Well-formed as XML as well, so that a
// test reads it with any XML parser.

#include <string>

#include "report_charts.h"
#include "stats/run_report.h"

struct ReportPage {
    const char* source = "";  // what was measured: a recording's name or a port (UTF-8)
};

void appendReportHtml(std::string& out, const RunReport& report, const ReportCharts& charts,
                      const ReportPage& page);
