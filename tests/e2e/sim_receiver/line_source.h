#pragma once
// Where the simulated receiver's output comes from, one line at a time. A line longer
// than a chunk comes out in several chunks; only the last one ends the line.

#include <cstddef>
#include <cstdint>

struct Chunk {
    static constexpr std::size_t capacity = 4096;
    std::uint8_t bytes[capacity];
    std::size_t length = 0;
    bool endsLine = false;
    bool startsEpoch = false;  // the first line of a navigation epoch, where known
};

class LineSource {
public:
    virtual ~LineSource() = default;
    // Fills the chunk with the next piece of output; false at the end of the source.
    virtual bool next(Chunk& chunk) = 0;
    // Starts again from the first line (for looping).
    virtual void rewind() = 0;
    // Starts over as after a cold start of the receiver; a recording simply starts again.
    virtual void restartCold() { rewind(); }
};
