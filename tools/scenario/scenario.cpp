#include "scenario.h"

#include <vector>

#include "cold_start.h"
#include "dop.h"
#include "epoch_report.h"
#include "epoch_writer.h"
#include "route.h"
#include "signal_bands.h"
#include "signal_tracker.h"
#include "sky_model.h"
#include "utc_clock.h"

using namespace skyvane::scenario;

namespace {

// Satellites lower than this are tracked and listed but left out of the solution.
constexpr int elevationMaskDeg = 5;

UtcTime startTimeOf(const ScenarioOptions& options) {
    return {options.year, options.month, options.day, options.hour, options.minute, options.second};
}

}  // namespace

std::string describeScenarioProblem(const ScenarioOptions& options) {
    if (options.seconds < 1 || options.seconds > maxScenarioSeconds) {
        return "the run must last 1 to " + std::to_string(maxScenarioSeconds) + " seconds";
    }
    if (options.fixAfterSeconds < 0 || options.fixAfterSeconds > maxScenarioSeconds) {
        return "the fix must come 0 to " + std::to_string(maxScenarioSeconds) +
               " seconds after the start";
    }
    if (!isValidUtcTime(startTimeOf(options))) {
        return "the start must be a real UTC date and time in the years " +
               std::to_string(firstYear) + " to " + std::to_string(lastYear);
    }
    return {};
}

struct ScenarioGenerator::State {
    explicit State(const ScenarioOptions& options)
        : seconds(options.seconds),
          timeline(coldStartTimeline(options.fixAfterSeconds)),
          sky(options.seed),
          tracker(timeline, sky, options.seed),
          route(options.seed),
          clock(isValidUtcTime(startTimeOf(options)) ? startTimeOf(options) : UtcTime{}) {}

    EpochReport observe() const;
    std::vector<LineOfSight> listSatellites(EpochReport& report, bool fixed) const;
    void advance();

    int seconds;
    ColdStartTimeline timeline;
    SkyModel sky;
    SignalTracker tracker;
    Route route;
    UtcTime clock;
    int elapsed = 0;
};

// Fills the GSV lists and, once fixed, the satellites used; returns the used ones' geometry.
std::vector<LineOfSight> ScenarioGenerator::State::listSatellites(EpochReport& report,
                                                                  bool fixed) const {
    std::vector<LineOfSight> used;
    const auto& bands = signalBands();
    for (const SkyPosition& satellite : sky.visibleAt(elapsed)) {
        for (int i = 0; i < bandCount; ++i) {
            const SignalBand& band = bands[i];
            if (band.system != satellite.system || !transmits(band, satellite.prn)) {
                continue;
            }
            const auto level = tracker.levelDbHz(satellite, band, elapsed);
            report.bands[i].push_back(
                {satellite.prn, satellite.elevationDeg, satellite.azimuthDeg, level});
            if (fixed && band.primary && level && satellite.elevationDeg >= elevationMaskDeg) {
                report.usedPrns[systemIndex(satellite.system)].push_back(satellite.prn);
                used.push_back({satellite.system, satellite.elevationDeg, satellite.azimuthDeg});
            }
        }
    }
    return used;
}

EpochReport ScenarioGenerator::State::observe() const {
    EpochReport report;
    report.elapsed = elapsed;
    if (elapsed >= timeline.timeKnownAt) {
        report.utc = clock;
    }
    if (elapsed < timeline.firstSatellitesAt) {
        return report;
    }
    const bool fixed = elapsed >= timeline.firstFixAt;
    const std::vector<LineOfSight> used = listSatellites(report, fixed);
    if (fixed) {
        report.position = route.current();
        report.dop = computeDop(used).value_or(report.dop);
    }
    return report;
}

void ScenarioGenerator::State::advance() {
    route.advanceOneSecond();
    clock = nextSecond(clock);
    ++elapsed;
}

ScenarioGenerator::ScenarioGenerator(const ScenarioOptions& options)
    : state(std::make_unique<State>(options)) {}

ScenarioGenerator::~ScenarioGenerator() = default;
ScenarioGenerator::ScenarioGenerator(ScenarioGenerator&&) noexcept = default;
ScenarioGenerator& ScenarioGenerator::operator=(ScenarioGenerator&&) noexcept = default;

int ScenarioGenerator::appendNextEpoch(std::string& out) {
    if (!state || state->elapsed >= state->seconds) {  // moved-from or finished
        return 0;
    }
    const int sentences = appendEpochSentences(state->observe(), out);
    state->advance();
    return sentences;
}

std::string generateScenario(const ScenarioOptions& options) {
    ScenarioGenerator generator(options);
    std::string stream;
    while (generator.appendNextEpoch(stream) > 0) {
    }
    return stream;
}
