#include "byte_filter.h"

#include <cstring>

#include "byte_ring.h"

namespace {

constexpr std::uint8_t lineFeed = 0x0A;

bool isKept(std::uint8_t byte) {
    return byte == 0x0D || (byte >= 0x20 && byte <= 0x7E);
}

// Whether all eight bytes of the word lie in 0x20..0x7E, tested on the word at
// once: a byte below 0x20 borrows into its top bit, one above 0x7E carries into it.
bool allPrintable(std::uint64_t word) {
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t tops = 0x8080808080808080;
    const std::uint64_t below = (word - ones * 0x20) & ~word & tops;
    const std::uint64_t above = ((word + ones * (0x7F - 0x7E)) | word) & tops;
    return (below | above) == 0;
}

// Printable text goes eight bytes a step; CR and the rest one by one.
std::size_t keptRunLength(const std::uint8_t* bytes, std::size_t count) {
    std::size_t n = 0;
    std::uint64_t word;
    while (n + sizeof word <= count) {
        std::memcpy(&word, bytes + n, sizeof word);
        if (!allPrintable(word)) {
            break;
        }
        n += sizeof word;
    }
    while (n < count && isKept(bytes[n])) {
        ++n;
    }
    return n;
}

// One byte at a time, a full ring refuses every byte from the first that does
// not fit; offering only what fits loses exactly the same bytes.
void pushWhatFits(ByteRing& ring, const std::uint8_t* bytes, std::size_t count) {
    const std::uint32_t space = ring.space();
    ring.push(bytes, count < space ? static_cast<std::uint32_t>(count) : space);
}

// Each is offered on its own: a ring with one byte free keeps the LF.
void pushLineEnd(ByteRing& ring) {
    ring.pushByte(lineFeed);
    ring.pushByte(0x00);
}

}  // namespace

ReceivedByte filterReceivedByte(ByteRing& ring, std::uint8_t byte) {
    if (byte == lineFeed) {
        pushLineEnd(ring);
        return ReceivedByte::lineEnd;
    }
    if (isKept(byte)) {
        ring.pushByte(byte);
        return ReceivedByte::kept;
    }
    return ReceivedByte::dropped;
}

FilteredBytes filterReceivedBytes(ByteRing& ring, const std::uint8_t* bytes, std::size_t count) {
    std::size_t at = 0;
    while (at < count) {
        const std::size_t run = keptRunLength(bytes + at, count - at);
        pushWhatFits(ring, bytes + at, run);
        at += run;
        if (at == count) {
            break;
        }
        if (bytes[at] == lineFeed) {
            pushLineEnd(ring);
            return {at + 1, true};
        }
        ++at;  // a dropped byte
    }
    return {count, false};
}
