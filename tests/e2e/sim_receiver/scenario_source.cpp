#include "scenario_source.h"

#include <algorithm>
#include <cstring>

ScenarioSource::ScenarioSource(const ScenarioOptions& options)
    : options_(options), generator_(options) {}

void ScenarioSource::rewind() {
    generator_ = ScenarioGenerator(options_);
    epoch_.clear();
    position_ = 0;
}

bool ScenarioSource::next(Chunk& chunk) {
    if (position_ >= epoch_.size()) {
        epoch_.clear();
        position_ = 0;
        if (generator_.appendNextEpoch(epoch_) == 0) {
            return false;
        }
    }
    const std::size_t lineFeed = epoch_.find('\n', position_);
    const std::size_t lineEnd = lineFeed == std::string::npos ? epoch_.size() : lineFeed + 1;
    const std::size_t length = std::min(lineEnd - position_, Chunk::kCapacity);
    std::memcpy(chunk.bytes, epoch_.data() + position_, length);
    chunk.length = length;
    position_ += length;
    chunk.endsLine = position_ == lineEnd;
    return true;
}
