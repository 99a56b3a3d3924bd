#pragma once
// Answers waiting for the next line boundary, first in, first out, in a fixed buffer.

#include <cstddef>
#include <cstdint>

#include "line_source.h"
#include "replies.h"

class ReplyQueue final : public ReplySink {
public:
    static constexpr std::size_t capacity = 16384;

    bool queueReply(const std::uint8_t* bytes, std::size_t count) override;
    bool empty() const { return queuedCount == 0; }
    std::size_t size() const { return queuedCount; }
    // Moves up to one chunk of queued bytes into the chunk; a reply is not a stream line,
    // so the chunk's endsLine stays false.
    bool take(Chunk& chunk);

private:
    std::uint8_t queued[capacity];
    std::size_t head = 0;
    std::size_t queuedCount = 0;
};
