// Arbitrary serial bytes through the reader's filter, the ring and the intake,
// in several chunkings, with reply and log paths live; the run's statistics
// listen, and the report of every input must be well-formed JSON.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "json_check.h"
#include "replay_session.h"
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
};

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
