#pragma once
// What the reader does with each byte it reads from a port or a replayed log.

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
