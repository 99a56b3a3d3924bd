#pragma once
// Lines the reader has finished, handed to the user-interface thread
// together. Each cross-thread message costs far more than the intake of a
// line (several times more under Wine), so one message carries every line
// a read produced. The reader fills the batch only while it is not handing
// it over; the user-interface thread reads it only while it is handed over.

#include <cstddef>
#include <cstdint>

#include "byte_filter.h"
#include "byte_ring.h"

// One received line: the bytes the ring held, its LF and NUL included, or
// the bytes an over-long line filled the ring with.
struct LineBytes {
    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
};

class LineBatch {
public:
    static constexpr std::size_t capacity = 65536;

    // Moves all the ring holds in as one line: the line with its LF and NUL,
    // or the bytes an over-long line filled the ring with. Returns 0, leaving
    // the ring as it was, when the batch has no room for it.
    int takeLine(ByteRing& ring);
    // Whether a line of `bytes` bytes (its LF and NUL included) still fits.
    bool hasRoomFor(std::size_t bytes) const;

    // The next line's bytes, exactly as the reader's filter had left them in
    // its ring. Returns 0 when no line is left. The bytes stay valid until
    // the batch is cleared.
    int nextLine(LineBytes* line);

    std::size_t lineCount() const { return lines; }
    bool empty() const { return lines == 0; }
    void clear();

private:
    static constexpr std::size_t lengthBytes = 2;

    std::uint8_t bytes[capacity];
    std::size_t used = 0;
    std::size_t readAt = 0;
    std::size_t lines = 0;
};

// Filters a read's bytes into the ring as the reader does and moves each
// finished line into the batch. The batch is handed over whenever it could
// not take one more ring's worth, and at the end when it holds a line; a
// line begun in this read stays in the ring for the next. Returns false as
// soon as a hand-off returns false (the connection ended): the rest of the
// read is dropped, as bytes still in the driver would be.
template <typename HandOver>
bool gatherLines(ByteRing& ring, LineBatch& batch, const std::uint8_t* bytes, std::size_t count,
                 HandOver&& handOver) {
    const std::size_t fullRing = ring.count() + ring.space();
    while (count > 0) {
        const FilteredBytes filtered = filterReceivedBytes(ring, bytes, count);
        bytes += filtered.consumed;
        count -= filtered.consumed;
        if (!filtered.lineEnd) {
            continue;
        }
        batch.takeLine(ring);  // always room: a batch without it was handed over
        if (!batch.hasRoomFor(fullRing) && !handOver(batch)) {
            return false;
        }
    }
    return batch.empty() || handOver(batch);
}
