#include "reply_queue.h"

bool ReplyQueue::queueReply(const std::uint8_t* bytes, std::size_t count) {
    if (count > capacity - queuedCount) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        queued[(head + queuedCount + i) % capacity] = bytes[i];
    }
    queuedCount += count;
    return true;
}

bool ReplyQueue::take(Chunk& chunk) {
    if (queuedCount == 0) {
        return false;
    }
    std::size_t length = 0;
    while (queuedCount > 0 && length < Chunk::capacity) {
        chunk.bytes[length++] = queued[head];
        head = (head + 1) % capacity;
        --queuedCount;
    }
    chunk.length = length;
    chunk.endsLine = false;
    return true;
}
