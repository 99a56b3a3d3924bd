#pragma once
// The generated drive of the scenario generator, epoch by epoch, cut into lines.

#include <memory>
#include <string>

#include "line_source.h"
#include "scenario.h"

class ScenarioSource final : public LineSource {
public:
    explicit ScenarioSource(const ScenarioOptions& options);
    bool next(Chunk& chunk) override;
    void rewind() override;

private:
    ScenarioOptions options_;
    ScenarioGenerator generator_;
    std::string epoch_;
    std::size_t position_ = 0;
};
