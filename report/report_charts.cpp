#include "report_charts.h"

#include "campaign_charts.h"

#include "time_charts.h"

void buildReportCharts(const RunReport& report, const RunStatistics& statistics,
                       ReportCharts* charts) {
    const RunHistory& history = statistics.history();
    std::optional<GeoPoint> reference;
    if (report.position.reference.lat && report.position.reference.lon) {
        reference = GeoPoint{*report.position.reference.lat, *report.position.reference.lon};
    }
    buildStrengthChart(history, &charts->strength);
    buildSatelliteChart(history, &charts->satellites);
    buildErrorChart(history, reference, &charts->error);
    charts->scatterSummary =
        buildScatterChart(statistics.positions(), report.position, &charts->scatter);
    charts->samplesPerPoint = history.samplesPerPoint();
    if (report.hasCampaign) {
        buildTtffChart(report.campaign, &charts->ttff);
        buildTtffHistogram(report.campaign, &charts->ttffHistogram);
    }
}
