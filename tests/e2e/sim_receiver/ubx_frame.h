#pragma once
// UBX frames: the sync bytes B5 62, class, id, a little-endian payload length, the payload,
// then the protocol's two running 8-bit sums over class, id, length and payload.

#include <cstddef>
#include <cstdint>

struct UbxChecksum {
    std::uint8_t a = 0;
    std::uint8_t b = 0;
};

UbxChecksum ubxChecksum(const std::uint8_t* bytes, std::size_t count);

// Writes the whole frame; returns its length (the payload's plus 8), or 0 when the
// frame does not fit.
std::size_t buildUbxFrame(std::uint8_t* frame, std::size_t capacity, std::uint8_t messageClass,
                          std::uint8_t messageId, const std::uint8_t* payload,
                          std::size_t payloadLength);

// Finds whole frames with a correct checksum in a byte stream cut anywhere and mixed with
// other bytes (text lines, noise). A frame whose payload exceeds maxPayload is not one
// the receiver understands: the search goes on from the byte after its sync.
class UbxFrameReader {
public:
    static constexpr std::size_t maxPayload = 64;

    // Takes one byte; true when it completed a frame, which the accessors then describe.
    bool take(std::uint8_t byte);

    std::uint8_t messageClass() const { return body[0]; }
    std::uint8_t messageId() const { return body[1]; }
    std::size_t payloadLength() const { return declaredPayload(); }
    const std::uint8_t* payload() const { return body + headerLength; }

private:
    static constexpr std::size_t headerLength = 4;  // class, id, length
    static constexpr std::size_t checksumLength = 2;

    enum class Stage { firstSync, secondSync, frame };

    std::size_t declaredPayload() const;
    bool finishFrame();

    Stage stage = Stage::firstSync;
    std::uint8_t body[headerLength + maxPayload + checksumLength] = {};
    std::size_t collected = 0;
};
