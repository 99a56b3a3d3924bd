#pragma once
// What the reader does with each byte it reads from a port or a replayed log.

#include <cstddef>
#include <cstdint>

class ByteRing;

enum class ReceivedByte {
    dropped,  // control and non-ASCII bytes, including the zero bytes of a UTF-16LE log
    kept,     // CR or printable ASCII, offered to the ring
    lineEnd,  // LF: LF and a NUL were offered; the line is ready for the intake
};

// Offers the byte to the ring as the reader does. A byte the full ring refuses
// is lost; it is not retried.
ReceivedByte filterReceivedByte(ByteRing& ring, std::uint8_t byte);

struct FilteredBytes {
    std::size_t consumed;  // bytes used up, the line feed that ended a line included
    bool lineEnd;          // the last byte consumed was a line feed
};

// Offers bytes to the ring exactly as filterReceivedByte would one by one, but
// each run of kept bytes in one copy. Stops after the first line feed, so the
// caller can hand the line over before the next one begins.
FilteredBytes filterReceivedBytes(ByteRing& ring, const std::uint8_t* bytes, std::size_t count);
