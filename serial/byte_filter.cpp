#include "byte_filter.h"

#include "byte_ring.h"

namespace {

constexpr std::uint8_t lineFeed = 0x0A;

bool isKept(std::uint8_t byte) {
    return byte == 0x0D || (byte >= 0x20 && byte <= 0x7E);
}

std::size_t keptRunLength(const std::uint8_t* bytes, std::size_t count) {
    std::size_t n = 0;
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
    const std::uint8_t terminator = 0x00;
    ring.push(&lineFeed, 1);
    ring.push(&terminator, 1);
}

}  // namespace

ReceivedByte filterReceivedByte(ByteRing& ring, std::uint8_t byte) {
    if (byte == lineFeed) {
        pushLineEnd(ring);
        return ReceivedByte::lineEnd;
    }
    if (isKept(byte)) {
        ring.push(&byte, 1);
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
