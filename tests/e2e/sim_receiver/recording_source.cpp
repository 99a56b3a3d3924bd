#include "recording_source.h"

#include <cstdio>
#include <cstring>

RecordingSource::RecordingSource(std::vector<std::uint8_t> bytes) : recording(std::move(bytes)) {}

bool RecordingSource::next(Chunk& chunk) {
    if (position >= recording.size()) {
        return false;
    }
    std::size_t length = 0;
    chunk.endsLine = false;
    while (position + length < recording.size() && length < Chunk::capacity) {
        const std::uint8_t byte = recording[position + length];
        ++length;
        if (byte == '\n') {
            chunk.endsLine = true;
            break;
        }
    }
    std::memcpy(chunk.bytes, recording.data() + position, length);
    chunk.length = length;
    position += length;
    // The file's last bytes end the stream's last line, LF or not.
    if (position == recording.size()) {
        chunk.endsLine = true;
    }
    return true;
}

std::unique_ptr<LineSource> openRecording(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.insert(bytes.end(), block, block + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return nullptr;
    }
    return std::make_unique<RecordingSource>(std::move(bytes));
}
