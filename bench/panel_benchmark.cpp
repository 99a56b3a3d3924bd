// Building the graphics panel's display list, which the program does on every
// repaint (at least once per RMC sentence). Build with the "bench" preset:
//   cmake --preset bench && cmake --build --preset bench
//   build/bench/bench/panel_benchmark

#include <benchmark/benchmark.h>

#include <memory>

#include "nmea/receiver_state.h"
#include "ui/panel_display_list.h"

namespace {

PanelInputs programPanel(std::int32_t height) {
    PanelInputs inputs;
    inputs.width = 994;
    inputs.height = height;
    inputs.logging = true;
    inputs.signalOffset = -3;
    return inputs;
}

// About sixty satellites, six in each of the ten tables, spread over the sky;
// two in three used in the fix, one in ten without signal.
void fillRealisticEpoch(ReceiverState& state) {
    int k = 0;
    for (SatTable& table : state.tables) {
        for (int i = 0; i < 6; ++i, ++k) {
            const int n = 3 + i * 5 + k % 4;
            SatRecord& record = table.records[n];
            record.inView = 1;
            record.usedInFix = k % 3 != 0 ? 1 : 0;
            record.snr = k % 10 == 9 ? 0 : 20 + (k * 7) % 30;
            record.plotX = 20 + (k * 37) % 115;
            record.plotY = 20 + (k * 53) % 115;
            record.prn = n;
        }
    }
}

// Every record of every table in view and not used: the longest list there is.
void fillEveryTable(ReceiverState& state) {
    for (SatTable& table : state.tables) {
        for (int n = 0; n < satTableSize; ++n) {
            table.records[n] = {1, 0, 40, 14 + n % 128, 14 + n / 2, n};
        }
    }
}

void buildList(benchmark::State& run, void (*fill)(ReceiverState&), const PanelInputs& inputs) {
    auto state = std::make_unique<ReceiverState>();
    state->clearAll();
    fill(*state);
    auto list = std::make_unique<PanelDisplayList>();
    for (auto _ : run) {
        buildPanelDisplayList(*state, inputs, list.get());
        benchmark::DoNotOptimize(list->count);
    }
    run.counters["ops"] = static_cast<double>(list->count);
}

void realisticEpoch(benchmark::State& run) {
    buildList(run, fillRealisticEpoch, programPanel(378));
}

// A panel tall enough that no row is left out.
void everyTableFull(benchmark::State& run) {
    buildList(run, fillEveryTable, programPanel(6000));
}

BENCHMARK(realisticEpoch)->Unit(benchmark::kMicrosecond);
BENCHMARK(everyTableFull)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
