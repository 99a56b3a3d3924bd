#include "report_html.h"

#include "base/xml_text.h"
#include "chart_svg.h"
#include "report_tables.h"
#include "stats/json_text.h"

namespace {

// System fonts only: the page loads nothing.
constexpr const char* style = R"(
body { margin: 0; padding: 24px; background: #f6f8fa; color: #1f2328;
  font: 14px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, "Helvetica Neue", Arial,
  sans-serif; }
main { max-width: 1280px; margin: 0 auto; }
h1 { font-size: 22px; margin: 0; }
h2 { font-size: 17px; margin: 0 0 10px; }
.source { color: #57606a; margin: 2px 0 16px; overflow-wrap: anywhere; }
#verdict { display: flex; align-items: baseline; gap: 24px; padding: 14px 28px;
  border-radius: 8px; color: #ffffff; margin-bottom: 20px; }
#verdict.pass { background: #1a7f37; }
#verdict.fail { background: #cf222e; }
#verdict .word { font-size: 56px; font-weight: 800; letter-spacing: 3px; line-height: 1.1; }
#verdict .detail { font-size: 17px; }
section { background: #ffffff; border: 1px solid #d0d7de; border-radius: 8px;
  padding: 16px 20px; margin-bottom: 20px; }
.charts { display: flex; flex-wrap: wrap; gap: 18px 24px; }
figure { margin: 0; width: 600px; }
figcaption { font-weight: 600; margin-bottom: 4px; }
svg.chart { display: block; }
.note { color: #57606a; font-size: 12px; margin: 4px 0 0; }
.columns { display: flex; flex-wrap: wrap; gap: 20px 40px; align-items: flex-start; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 3px 12px; border-bottom: 1px solid #eaeef2; text-align: right;
  white-space: nowrap; }
th:first-child, td:first-child { text-align: left; }
thead th { background: #f6f8fa; font-weight: 600; border-bottom: 1px solid #d0d7de; }
tr.units th { font-weight: 400; color: #57606a; font-size: 12px; }
tbody th { font-weight: 400; }
td.pass { color: #1a7f37; font-weight: 700; }
td.fail { color: #cf222e; font-weight: 700; }
)";

int failedLimits(const RunReport& report) {
    int failed = 0;
    for (int i = 0; i < report.limitCount && i < limitKeyCount; ++i) {
        failed += report.limits[i].pass ? 0 : 1;
    }
    return failed;
}

void appendHead(std::string& out, const ReportPage& page) {
    out +=
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
        "<title>Skyvane run report: ";
    appendXmlTextUtf8(out, page.source);
    out += "</title>\n<style>";
    out += style;
    out += "</style>\n</head>\n";
}

void appendHeader(std::string& out, const RunReport& report, const ReportPage& page) {
    out += "<h1>Run report</h1>\n<p class=\"source\">";
    appendXmlTextUtf8(out, page.source);
    out += report.live ? " \xC2\xB7 live run \xC2\xB7 " : " \xC2\xB7 recording \xC2\xB7 ";
    appendInteger(out, static_cast<std::int64_t>(report.lines.total));
    out += " lines, ";
    appendInteger(out, report.epochs.count);
    out += " epochs</p>\n";
}

void appendVerdict(std::string& out, const RunReport& report) {
    out += report.pass ? "<div id=\"verdict\" class=\"pass\"><span class=\"word\">PASS</span>"
                       : "<div id=\"verdict\" class=\"fail\"><span class=\"word\">FAIL</span>";
    out += "<span class=\"detail\">";
    if (report.limitCount == 0) {
        out += "no limits given";
    } else {
        const int failed = failedLimits(report);
        appendInteger(out, failed > 0 ? failed : report.limitCount);
        out += " of ";
        appendInteger(out, report.limitCount);
        out += failed > 0 ? " limits failed" : " limits passed";
    }
    out += "</span></div>\n";
}

void appendLimits(std::string& out, const RunReport& report) {
    out += "<section>\n<h2>Limits</h2>\n";
    if (report.limitCount == 0) {
        out += "<p class=\"note\">No limits were given, so the run passes.</p>\n";
    } else {
        appendLimitsTable(out, report);
    }
    out += "</section>\n";
}

void appendFigure(std::string& out, const char* caption, const ChartDisplayList& chart,
                  const char* note) {
    out += "<figure>\n<figcaption>";
    appendXmlTextUtf8(out, caption);
    out += "</figcaption>\n";
    appendChartSvg(out, chart, caption);
    if (note != nullptr) {
        out += "<p class=\"note\">";
        appendXmlTextUtf8(out, note);
        out += "</p>\n";
    }
    out += "</figure>\n";
}

void appendHistoryNote(std::string& out, const ReportCharts& charts) {
    out += "<p class=\"note\">Each point of the charts over time is the mean of ";
    if (charts.samplesPerPoint <= 1) {
        out += "one epoch.";
    } else {
        appendInteger(out, charts.samplesPerPoint);
        out += " consecutive epochs.";
    }
    out += " Gaps in a line: no value there (fewer than four tracked, or no fix).</p>\n";
}

void appendScatterNote(std::string& out, const ReportCharts& charts) {
    const ScatterSummary& scatter = charts.scatterSummary;
    out += "<p class=\"note\">";
    if (scatter.stride > 1) {
        out += "One in ";
        appendInteger(out, scatter.stride);
        out += " of the ";
    }
    appendInteger(out, scatter.kept);
    out += " positions the statistics kept, drawn; the CEP circles are the report's.</p>\n";
}

void appendCharts(std::string& out, const ReportCharts& charts) {
    out += "<section>\n<h2>Charts</h2>\n<div class=\"charts\">\n";
    appendFigure(out, "Signal strength: mean of the four strongest, per band", charts.strength,
                 nullptr);
    appendFigure(out, "Satellites tracked and used, per band", charts.satellites,
                 "A band counts records in view: a satellite a combined (GN) GSA uses "
                 "counts used where its GSV shows it.");
    appendFigure(out, "Horizontal error over time", charts.error, nullptr);
    out += "<figure>\n<figcaption>Position scatter around the reference</figcaption>\n";
    appendChartSvg(out, charts.scatter, "Position scatter around the reference");
    appendScatterNote(out, charts);
    out += "</figure>\n</div>\n";
    appendHistoryNote(out, charts);
    out += "</section>\n";
}

void appendBoundsNote(std::string& out, const RunReport& report) {
    const BoundsReport& bounds = report.bounds;
    out += "<p class=\"note\">";
    if (bounds.intervalsDropped > 0 || bounds.positionsDropped > 0) {
        out +=
            "The run outgrew the statistics' window: the interval median, the gaps and the "
            "position statistics cover its latest epochs only. ";
    }
    if (bounds.satellitesPastPool > 0) {
        out += "Some satellites have no strength percentiles (the pool was spent). ";
    }
    if (bounds.strengthsClamped > 0) {
        out += "Strengths above 99 dB-Hz were counted as 99. ";
    }
    out += "Every number is defined in Skyvane's docs/run-report.md.</p>\n";
}

void appendDetails(std::string& out, const RunReport& report, const ReportCharts& charts) {
    out += "<section>\n<h2>Stream</h2>\n<div class=\"columns\">\n";
    appendStreamTable(out, report);
    appendSentenceTypesTable(out, report.lines);
    out += "</div>\n</section>\n<section>\n<h2>Position</h2>\n";
    appendPositionTable(out, report.position);
    out += "</section>\n";
    if (report.hasCampaign) {
        out += "<section>\n<h2>Start campaign</h2>\n<div class=\"charts\">\n";
        appendFigure(out, "Time to first fix of each start", charts.ttff, nullptr);
        appendFigure(out, "Times to first fix of the starts that fixed", charts.ttffHistogram,
                     nullptr);
        out += "</div>\n<div class=\"columns\">\n";
        appendCampaignTable(out, report.campaign);
        out += "</div>\n</section>\n";
    }
    out += "<section>\n<h2>Signals</h2>\n";
    appendSignalsTable(out, report.signals);
    out += "</section>\n<section>\n<h2>Satellites</h2>\n";
    appendSatellitesTable(out, report.satellites);
    out += "</section>\n";
}

}  // namespace

void appendReportHtml(std::string& out, const RunReport& report, const ReportCharts& charts,
                      const ReportPage& page) {
    appendHead(out, page);
    out += "<body>\n<main>\n";
    appendHeader(out, report, page);
    appendVerdict(out, report);
    appendLimits(out, report);
    appendCharts(out, charts);
    appendDetails(out, report, charts);
    appendBoundsNote(out, report);
    out += "</main>\n</body>\n</html>\n";
}
