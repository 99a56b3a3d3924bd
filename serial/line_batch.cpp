#include "line_batch.h"

// Each line is stored as its length in two bytes, low first, then its bytes.
int LineBatch::takeLine(ByteRing& ring) {
    const std::uint32_t count = ring.count();
    if (count > 0xFFFF || !hasRoomFor(count)) {
        return 0;
    }
    bytes[used] = static_cast<std::uint8_t>(count & 0xFF);
    bytes[used + 1] = static_cast<std::uint8_t>(count >> 8);
    ring.pop(bytes + used + lengthBytes, count);
    used += lengthBytes + count;
    ++lines;
    return 1;
}

bool LineBatch::hasRoomFor(std::size_t count) const {
    return count <= capacity - lengthBytes - used;
}

int LineBatch::nextLine(LineBytes* line) {
    if (readAt >= used) {
        return 0;
    }
    const std::size_t count = bytes[readAt] | static_cast<std::size_t>(bytes[readAt + 1]) << 8;
    line->bytes = bytes + readAt + lengthBytes;
    line->count = count;
    readAt += lengthBytes + count;
    return 1;
}

void LineBatch::clear() {
    used = 0;
    readAt = 0;
    lines = 0;
}
