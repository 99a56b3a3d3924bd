#include "byte_filter.h"

#include "byte_ring.h"

ReceivedByte filterReceivedByte(ByteRing& ring, std::uint8_t byte) {
    if (byte == 0x0A) {
        const std::uint8_t lineFeed = 0x0A;
        const std::uint8_t terminator = 0x00;
        ring.push(&lineFeed, 1);
        ring.push(&terminator, 1);
        return ReceivedByte::lineEnd;
    }
    if (byte == 0x0D || (byte >= 0x20 && byte <= 0x7E)) {
        ring.push(&byte, 1);
        return ReceivedByte::kept;
    }
    return ReceivedByte::dropped;
}
