#pragma once
// A recorded receiver stream, replayed byte for byte: CR, LF and binary frames stay as
// they were captured. Lines are cut after each LF; a last line without LF is sent as is.

#include <cstdint>
#include <memory>
#include <vector>

#include "line_source.h"

class RecordingSource final : public LineSource {
public:
    explicit RecordingSource(std::vector<std::uint8_t> bytes);
    bool next(Chunk& chunk) override;
    void rewind() override { position = 0; }

private:
    std::vector<std::uint8_t> recording;
    std::size_t position = 0;
};

// Reads the whole file; nullptr when it cannot be read.
std::unique_ptr<LineSource> openRecording(const char* path);
