#include "byte_ring.h"

#include <cstring>

ByteRing& ByteRing::init(std::uint32_t newCapacity) {
    release();
    buffer = new std::uint8_t[newCapacity == 0 ? 1 : newCapacity];
    capacity = newCapacity;
    used = head = tail = 0;
    return *this;
}

void ByteRing::release() {
    head = tail = capacity = used = 0;
    delete[] buffer;
    buffer = nullptr;
}

// The single-copy tests are strict so that an operation ending exactly at the
// end of the buffer wraps its index to 0 instead of leaving it at capacity.
bool ByteRing::push(const std::uint8_t* source, std::uint32_t n) {
    if (n > capacity - used) {
        return false;
    }
    if (n == 0) {
        return true;  // nothing to copy; the source may be null
    }
    if (tail + n < capacity) {
        std::memcpy(buffer + tail, source, n);
        tail += n;
    } else {
        const std::uint32_t k = capacity - tail;
        std::memcpy(buffer + tail, source, k);
        std::memcpy(buffer, source + k, n - k);
        tail = n - k;
    }
    used += n;
    return true;
}

void ByteRing::copyOut(std::uint8_t* destination, std::uint32_t n) const {
    if (n == 0) {
        return;  // the destination may be null
    }
    if (head + n < capacity) {
        std::memcpy(destination, buffer + head, n);
    } else {
        const std::uint32_t k = capacity - head;
        std::memcpy(destination, buffer + head, k);
        std::memcpy(destination + k, buffer, n - k);
    }
}

bool ByteRing::pop(std::uint8_t* destination, std::uint32_t n) {
    if (n > used) {
        return false;
    }
    copyOut(destination, n);
    head = head + n < capacity ? head + n : n - (capacity - head);
    used -= n;
    return true;
}

bool ByteRing::peek(std::uint8_t* destination, std::uint32_t n) const {
    if (n > used) {
        return false;
    }
    copyOut(destination, n);
    return true;
}

void ByteRing::skip(std::uint32_t n) {
    if (n > used) {
        return;
    }
    used -= n;
    head = head + n >= capacity ? head + n - capacity : head + n;
}
