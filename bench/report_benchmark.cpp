// What the run report costs: building it from the statistics of a long run
// (as the program's statistics window does once a second), writing it as
// JSON, and the statistics' share of the pipeline's throughput. Build with
// the "bench" preset (optimised, no sanitizers):
//   cmake --preset bench && cmake --build --preset bench --target report_benchmark
//   build/bench/bench/report_benchmark

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "replay_session.h"
#include "scenario.h"
#include "stats/build_run_report.h"
#include "stats/report_json.h"

namespace {

// 36,000 one-second epochs of a dual-band, four-constellation drive: as many
// samples as an hour at 10 Hz.
const std::string& longDrive() {
    static const std::string stream = [] {
        ScenarioOptions options;
        options.seconds = 36000;
        return generateScenario(options);
    }();
    return stream;
}

// 140,000 samples of RMC alone, past the store's window of 131,072.
const std::string& windowedRun() {
    static const std::string stream = [] {
        std::string text;
        for (int i = 0; i < 140000; ++i) {
            char line[128];
            std::snprintf(
                line, sizeof line,
                "$GNRMC,%02d%02d%02d.00,A,4807.%05d,N,01133.%05d,E,0.0,0.0,061226,,,A\r\n",
                i / 3600 % 24, i / 60 % 60, i % 60, 36000 + i % 997, 96000 + i % 991);
            text += line;
        }
        return text;
    }();
    return stream;
}

struct Run {
    std::unique_ptr<ReplaySession> session = std::make_unique<ReplaySession>(100);
    std::unique_ptr<RunStatistics> statistics = std::make_unique<RunStatistics>();
    std::unique_ptr<ReportScratch> scratch = std::make_unique<ReportScratch>();
    std::unique_ptr<RunReport> report = std::make_unique<RunReport>();

    explicit Run(const std::string& stream) {
        session->host.useUtcOffset(60);
        session->intake.setListener(statistics.get());
        session->feed(reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size(), [] {});
    }
};

void reportCounters(benchmark::State& state, const RunReport& report) {
    state.counters["samples"] = static_cast<double>(report.epochs.count);
    state.counters["satellites"] = report.satellites.count;
}

void buildReport(benchmark::State& state, const std::string& stream) {
    Run run(stream);
    ReportInputs inputs;
    for (auto _ : state) {
        buildRunReport(*run.statistics, inputs, *run.scratch, run.report.get());
        benchmark::DoNotOptimize(run.report->position.cep95M);
    }
    reportCounters(state, *run.report);
}

void buildReportOfAnHourAt10Hz(benchmark::State& state) {
    buildReport(state, longDrive());
}

void buildReportOfAFullWindow(benchmark::State& state) {
    buildReport(state, windowedRun());
}

void writeReportJson(benchmark::State& state) {
    Run run(longDrive());
    buildRunReport(*run.statistics, {}, *run.scratch, run.report.get());
    std::string json;
    for (auto _ : state) {
        json.clear();
        appendReportJson(json, *run.report);
        benchmark::DoNotOptimize(json.data());
    }
    state.counters["bytes"] = static_cast<double>(json.size());
}

// The pipeline's lines a second with the statistics listening, and without
// (as pipeline_benchmark measures it), on the same hour of drive.
void pipeline(benchmark::State& state, bool withStatistics) {
    const std::string& stream = longDrive();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(stream.data());
    auto session = std::make_unique<ReplaySession>(100);
    auto statistics = std::make_unique<RunStatistics>();
    session->host.useUtcOffset(60);
    session->intake.setListener(withStatistics ? statistics.get() : nullptr);
    std::uint64_t lines = 0;
    for (auto _ : state) {
        statistics->startRun(RunSource::recording);
        const std::uint64_t before = session->lineCount();
        session->feed(bytes, stream.size(), [] {});
        lines += session->lineCount() - before;
    }
    state.counters["lines_per_second"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
}

void pipelineWithStatistics(benchmark::State& state) {
    pipeline(state, true);
}

void pipelineWithoutStatistics(benchmark::State& state) {
    pipeline(state, false);
}

BENCHMARK(buildReportOfAnHourAt10Hz)->Unit(benchmark::kMillisecond);
BENCHMARK(buildReportOfAFullWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(writeReportJson)->Unit(benchmark::kMillisecond);
BENCHMARK(pipelineWithoutStatistics)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(pipelineWithStatistics)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
