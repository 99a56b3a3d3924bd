#pragma once
// Fixed-capacity byte FIFO between the reader thread and the sentence intake.
// Appends and take-outs are all or nothing. It has no lock: the synchronous
// line-ready hand-off keeps the two threads apart.

#include <cstdint>

// A received line's ring holds a line of up to 1022 accepted bytes, its LF
// and its NUL; a longer line fills it.
constexpr std::uint32_t lineRingCapacity = 1024;

class ByteRing {
public:
    ByteRing() = default;
    ~ByteRing() { release(); }
    ByteRing(const ByteRing&) = delete;
    ByteRing& operator=(const ByteRing&) = delete;

    ByteRing& init(std::uint32_t capacity);
    void release();

    bool push(const std::uint8_t* source, std::uint32_t n);
    // The same as a push of one byte, without the copy routine: the reader's
    // filter ends every line with two bytes of their own.
    bool pushByte(std::uint8_t byte) {
        if (used == capacity) {
            return false;
        }
        buffer[tail] = byte;
        tail = tail + 1 < capacity ? tail + 1 : 0;
        ++used;
        return true;
    }
    bool pop(std::uint8_t* destination, std::uint32_t n);
    bool peek(std::uint8_t* destination, std::uint32_t n) const;
    void skip(std::uint32_t n);

    std::uint32_t count() const { return used; }
    std::uint32_t space() const { return capacity - used; }

    // Empties the ring without releasing its storage.
    void clear() { used = head = tail = 0; }

private:
    void copyOut(std::uint8_t* destination, std::uint32_t n) const;

    std::uint8_t* buffer = nullptr;
    std::uint32_t capacity = 0;
    std::uint32_t used = 0;
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
};
