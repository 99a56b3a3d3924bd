// Arbitrary serial bytes through the reader's filter, the ring and the intake,
// in several chunkings, with reply and log paths live; the run's statistics
// listen, the report of every input must be well-formed JSON, and its HTML
// page well-formed markup whose charts draw nothing outside themselves.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "json_check.h"
#include "markup_check.h"
#include "replay_session.h"
#include "report/report_html.h"
#include "stats/build_run_report.h"
#include "stats/report_json.h"

namespace {

// Made once for the whole run, as the program makes them once.
struct Workspace {
    ReplaySession session{700};
    RunStatistics statistics;
    ReportScratch scratch;
    RunReport report;
    std::string json;
    ReportCharts charts;
    std::string html;
};

[[noreturn]] void failWith(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

bool inChart(const ChartDisplayList& list, ChartPoint point) {
    return point.x >= 0 && point.x <= list.width && point.y >= 0 && point.y <= list.height;
}

// Every point, corner and circle of the chart lies inside it.
void checkChart(const ChartDisplayList& list) {
    for (std::size_t i = 0; i < list.opCount; ++i) {
        const ChartOp& op = list.ops[i];
        const ChartPoint corners[] = {op.a,
                                      op.b,
                                      {op.a.x - op.radius, op.a.y - op.radius},
                                      {op.a.x + op.radius, op.a.y + op.radius}};
        const bool hasB = op.kind == ChartOpKind::rect || op.kind == ChartOpKind::line;
        bool inside = inChart(list, corners[0]) && (!hasB || inChart(list, corners[1])) &&
                      inChart(list, corners[2]) && inChart(list, corners[3]);
        for (std::int32_t p = 0; p < op.count; ++p) {
            inside = inside && inChart(list, list.points[op.first + p]);
        }
        if (!inside) {
            failWith("a chart draws outside itself", "operation " + std::to_string(i));
        }
    }
}

void checkPage(Workspace& work) {
    buildReportCharts(work.report, work.statistics, &work.charts);
    for (const ChartDisplayList* list : {&work.charts.strength, &work.charts.satellites,
                                         &work.charts.error, &work.charts.scatter}) {
        checkChart(*list);
    }
    work.html.clear();
    ReportPage page;
    page.source = "fuzz <input> & \"more\"";
    appendReportHtml(work.html, work.report, work.charts, page);
    std::string problem;
    if (!markupWellFormed(work.html, &problem)) {
        failWith(("the report page is not well formed: " + problem).c_str(), work.html);
    }
}

void checkReport(Workspace& work, std::size_t size) {
    ReportInputs inputs;
    if (size % 3 == 0) {
        inputs.reference = GeoPoint{-33.5, 179.9};
    }
    buildRunReport(work.statistics, inputs, work.scratch, &work.report);
    work.json.clear();
    appendReportJson(work.json, work.report);
    std::string problem;
    if (!jsonWellFormed(work.json, &problem)) {
        std::fprintf(stderr, "the report is not JSON: %s\n%s\n", problem.c_str(),
                     work.json.c_str());
        std::abort();
    }
    checkPage(work);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One session for the whole run, reset to its first state before every
    // input: as reproducible from one file as a new session, without
    // building one each time.
    static const std::unique_ptr<Workspace> work = std::make_unique<Workspace>();
    ReplaySession& session = work->session;
    session.reset();
    session.host.useUtcOffset(size % 2 == 0 ? 600 : -720);
    work->statistics.startRun(size % 2 == 0 ? RunSource::recording : RunSource::live);
    session.intake.setListener(&work->statistics);
    session.feed(data, size, [] {});
    // Lines with a set of fields left by an earlier, longer line.
    session.feed(data, size / 2, [] {});
    checkReport(*work, size);
    return 0;
}
