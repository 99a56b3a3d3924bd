#pragma once
// The generated drive of the scenario generator, epoch by epoch, cut into lines.

#include <memory>
#include <string>

#include "line_source.h"
#include "scenario.h"

class ScenarioSource final : public LineSource {
public:
    explicit ScenarioSource(const ScenarioOptions& scenarioOptions);
    bool next(Chunk& chunk) override;
    void rewind() override;
    // A new run without a fix for its first seconds, whose clock goes on from where the
    // current run has come to: a receiver forgets its fix, not the time of day.
    void restartCold() override;

private:
    void startRun(const ScenarioOptions& runOptions);

    ScenarioOptions options;
    ScenarioOptions run;  // the current run: the options with its own start time
    ScenarioGenerator generator;
    std::string epoch;
    std::size_t position = 0;
    int epochsProduced = 0;
};
