#pragma once
// What the reader's byte filter hands on: the ring's content at every line
// end, for the byte-filter and line-batch tests to compare.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "serial/byte_filter.h"
#include "serial/byte_ring.h"

inline std::vector<std::uint8_t> ringContents(ByteRing& ring) {
    std::vector<std::uint8_t> bytes(ring.count());
    if (!bytes.empty()) {
        ring.peek(bytes.data(), ring.count());
    }
    return bytes;
}

// The ring's content at every line end, then what is left after the last
// byte. Chunk 0 offers one byte at a time, any other chunk spans of that size.
inline std::vector<std::vector<std::uint8_t>> handover(const std::vector<std::uint8_t>& bytes,
                                                       std::uint32_t capacity, std::size_t chunk) {
    ByteRing ring;
    ring.init(capacity);
    std::vector<std::vector<std::uint8_t>> out;
    for (std::size_t at = 0; at < bytes.size();) {
        bool lineEnd = false;
        if (chunk == 0) {
            lineEnd = filterReceivedByte(ring, bytes[at++]) == ReceivedByte::lineEnd;
        } else {
            const std::size_t span = std::min(chunk - at % chunk, bytes.size() - at);
            const FilteredBytes filtered = filterReceivedBytes(ring, bytes.data() + at, span);
            at += std::max<std::size_t>(filtered.consumed, 1);
            lineEnd = filtered.lineEnd;
        }
        if (lineEnd) {
            out.push_back(ringContents(ring));
            ring.skip(ring.count());
        }
    }
    out.push_back(ringContents(ring));
    return out;
}
