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

// Rates that divide a second into whole hundredths, the resolution of NMEA time fields.
bool isWholeHundredthsRate(int epochsPerSecond) {
    return epochsPerSecond >= 1 && epochsPerSecond <= maxEpochsPerSecond &&
           100 % epochsPerSecond == 0;
}

int usableRate(int epochsPerSecond) {
    return isWholeHundredthsRate(epochsPerSecond) ? epochsPerSecond : 1;
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
    if (!isWholeHundredthsRate(options.epochsPerSecond)) {
        return "the rate must be 1, 2, 4, 5 or 10 epochs a second";
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
          epochsPerSecond(usableRate(options.epochsPerSecond)),
          gsaSet(options.qzssGsa ? GsaSet::withQzss : GsaSet::fourSystems),
          timeline(coldStartTimeline(options.fixAfterSeconds)),
          sky(options.seed),
          tracker(timeline, sky, options.seed),
          route(options.seed, epochsPerSecond),
          clock(isValidUtcTime(startTimeOf(options)) ? startTimeOf(options) : UtcTime{}) {}

    // The sky and the signal levels change by the second: at a higher rate the epochs of
    // one second list the same satellites, and only the car moves on between them.
    EpochReport observe() const;
    std::vector<LineOfSight> listSatellites(EpochReport& report, bool fixed) const;
    void advance();

    int seconds;
    int epochsPerSecond;
    GsaSet gsaSet;
    ColdStartTimeline timeline;
    SkyModel sky;
    SignalTracker tracker;
    Route route;
    UtcTime clock;
    int elapsed = 0;  // whole seconds since power-on
    int epochInSecond = 0;
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
    report.epochInSecond = epochInSecond;
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
    route.advanceOneEpoch();
    clock = laterByHundredths(clock, 100 / epochsPerSecond);
    if (++epochInSecond == epochsPerSecond) {
        epochInSecond = 0;
        ++elapsed;
    }
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
    const int sentences = appendEpochSentences(state->observe(), state->gsaSet, out);
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
