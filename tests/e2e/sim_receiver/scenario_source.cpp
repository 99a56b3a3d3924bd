#include "scenario_source.h"

#include <algorithm>
#include <cstring>

#include "utc_clock.h"

namespace {

ScenarioOptions laterBy(ScenarioOptions options, int seconds) {
    using namespace skyvane::scenario;
    UtcTime time{options.year, options.month,  options.day,
                 options.hour, options.minute, options.second};
    if (!isValidUtcTime(time)) {
        return options;
    }
    for (int i = 0; i < seconds; ++i) {
        time = nextSecond(time);
    }
    options.year = time.year;
    options.month = time.month;
    options.day = time.day;
    options.hour = time.hour;
    options.minute = time.minute;
    options.second = time.second;
    return options;
}

}  // namespace

ScenarioSource::ScenarioSource(const ScenarioOptions& scenarioOptions)
    : options(scenarioOptions), run(scenarioOptions), generator(scenarioOptions) {}

void ScenarioSource::startRun(const ScenarioOptions& runOptions) {
    run = runOptions;
    generator = ScenarioGenerator(run);
    epoch.clear();
    position = 0;
    epochsProduced = 0;
}

void ScenarioSource::rewind() {
    startRun(options);
}

void ScenarioSource::restartCold() {
    startRun(laterBy(run, epochsProduced));
}

bool ScenarioSource::next(Chunk& chunk) {
    if (position >= epoch.size()) {
        epoch.clear();
        position = 0;
        if (generator.appendNextEpoch(epoch) == 0) {
            return false;
        }
        ++epochsProduced;
    }
    chunk.startsEpoch = position == 0;
    const std::size_t lineFeed = epoch.find('\n', position);
    const std::size_t lineEnd = lineFeed == std::string::npos ? epoch.size() : lineFeed + 1;
    const std::size_t length = std::min(lineEnd - position, Chunk::capacity);
    std::memcpy(chunk.bytes, epoch.data() + position, length);
    chunk.length = length;
    position += length;
    chunk.endsLine = position == lineEnd;
    return true;
}
