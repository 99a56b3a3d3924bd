#include "reply_queue.h"

bool ReplyQueue::queueReply(const std::uint8_t* bytes, std::size_t count) {
    if (count > capacity - count_) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        bytes_[(head_ + count_ + i) % capacity] = bytes[i];
    }
    count_ += count;
    return true;
}

bool ReplyQueue::take(Chunk& chunk) {
    if (count_ == 0) {
        return false;
    }
    std::size_t length = 0;
    while (count_ > 0 && length < Chunk::capacity) {
        chunk.bytes[length++] = bytes_[head_];
        head_ = (head_ + 1) % capacity;
        --count_;
    }
    chunk.length = length;
    chunk.endsLine = false;
    return true;
}
