#include "ubx_frame.h"

#include <cstring>

namespace {

constexpr std::uint8_t syncChar1 = 0xB5;
constexpr std::uint8_t syncChar2 = 0x62;

}  // namespace

UbxChecksum ubxChecksum(const std::uint8_t* bytes, std::size_t count) {
    UbxChecksum sum;
    for (std::size_t i = 0; i < count; ++i) {
        sum.a = static_cast<std::uint8_t>(sum.a + bytes[i]);
        sum.b = static_cast<std::uint8_t>(sum.b + sum.a);
    }
    return sum;
}

std::size_t buildUbxFrame(std::uint8_t* frame, std::size_t capacity, std::uint8_t messageClass,
                          std::uint8_t messageId, const std::uint8_t* payload,
                          std::size_t payloadLength) {
    const std::size_t length = payloadLength + 8;
    if (payloadLength > 0xFFFF || length > capacity) {
        return 0;
    }
    frame[0] = syncChar1;
    frame[1] = syncChar2;
    frame[2] = messageClass;
    frame[3] = messageId;
    frame[4] = static_cast<std::uint8_t>(payloadLength & 0xFF);
    frame[5] = static_cast<std::uint8_t>(payloadLength >> 8);
    if (payloadLength > 0) {
        std::memcpy(frame + 6, payload, payloadLength);
    }
    const UbxChecksum sum = ubxChecksum(frame + 2, payloadLength + 4);
    frame[length - 2] = sum.a;
    frame[length - 1] = sum.b;
    return length;
}

std::size_t UbxFrameReader::declaredPayload() const {
    return static_cast<std::size_t>(body[2] | (body[3] << 8));
}

bool UbxFrameReader::take(std::uint8_t byte) {
    switch (stage) {
        case Stage::firstSync:
            stage = byte == syncChar1 ? Stage::secondSync : Stage::firstSync;
            return false;
        case Stage::secondSync:
            stage = byte == syncChar2   ? Stage::frame
                    : byte == syncChar1 ? Stage::secondSync
                                        : Stage::firstSync;
            collected = 0;
            return false;
        case Stage::frame:
            body[collected++] = byte;
            if (collected == headerLength && declaredPayload() > maxPayload) {
                stage = Stage::firstSync;
                return false;
            }
            return collected == headerLength + declaredPayload() + checksumLength && finishFrame();
    }
    return false;
}

bool UbxFrameReader::finishFrame() {
    stage = Stage::firstSync;
    const std::size_t summed = headerLength + declaredPayload();
    const UbxChecksum sum = ubxChecksum(body, summed);
    return sum.a == body[summed] && sum.b == body[summed + 1];
}
