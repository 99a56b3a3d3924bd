#include "ubx_receiver.h"

#include <cstring>

namespace {

constexpr std::uint8_t monClass = 0x0A;
constexpr std::uint8_t monVerId = 0x04;
constexpr std::uint8_t cfgClass = 0x06;
constexpr std::uint8_t cfgRstId = 0x04;
constexpr std::size_t cfgRstPayload = 4;

constexpr std::size_t softwareField = 30;
constexpr std::size_t hardwareField = 10;
constexpr std::size_t extensionField = 30;

const char softwareVersion[] = "ROM CORE 4.20 (52817)";
const char hardwareVersion[] = "00190000";
// The firmware comes right before the protocol version: a program that reads the
// firmware up to the next 'P' then stops at "PROTVER".
const char* const extensions[] = {"FWVER=SVX 2.10", "PROTVER=24.10", "GPS;GLO;GAL;BDS"};
constexpr std::size_t extensionCount = sizeof extensions / sizeof extensions[0];

constexpr std::size_t monVerPayload =
    softwareField + hardwareField + extensionCount * extensionField;

// Copies the text into a field of `width` bytes, NUL-padded; the text always fits.
std::uint8_t* putField(std::uint8_t* field, std::size_t width, const char* text) {
    std::memset(field, 0, width);
    std::memcpy(field, text, std::strlen(text));
    return field + width;
}

// navBbrMask 0x0000 keeps everything (hot), 0x0001 clears the ephemeris (warm), and any
// mask that clears more leaves a cold start. Reset modes 0x08 and 0x09 stop and start
// the GNSS without resetting it; the others reset.
bool cfgRstStart(const std::uint8_t* payload, StartKind* kind) {
    const unsigned mask = payload[0] | (payload[1] << 8);
    const std::uint8_t resetMode = payload[2];
    if (resetMode != 0x00 && resetMode != 0x01 && resetMode != 0x02 && resetMode != 0x04) {
        return false;
    }
    *kind = mask == 0x0000 ? StartKind::hot : mask == 0x0001 ? StartKind::warm : StartKind::cold;
    return true;
}

}  // namespace

std::size_t buildMonVerFrame(std::uint8_t* frame, std::size_t capacity) {
    std::uint8_t payload[monVerPayload];
    std::uint8_t* next = putField(payload, softwareField, softwareVersion);
    next = putField(next, hardwareField, hardwareVersion);
    for (const char* extension : extensions) {
        next = putField(next, extensionField, extension);
    }
    return buildUbxFrame(frame, capacity, monClass, monVerId, payload, monVerPayload);
}

void UbxReceiver::onReceived(const std::uint8_t* bytes, std::size_t count,
                             ReceiverControl& receiver) {
    for (std::size_t i = 0; i < count; ++i) {
        if (reader.take(bytes[i])) {
            onFrame(receiver);
        }
    }
}

void UbxReceiver::onFrame(ReceiverControl& receiver) {
    const std::uint8_t messageClass = reader.messageClass();
    const std::uint8_t messageId = reader.messageId();
    if (messageClass == monClass && messageId == monVerId && reader.payloadLength() == 0) {
        std::uint8_t frame[monVerPayload + 8];
        const std::size_t length = buildMonVerFrame(frame, sizeof frame);
        receiver.queueReply(frame, length);
    } else if (messageClass == cfgClass && messageId == cfgRstId &&
               reader.payloadLength() == cfgRstPayload) {
        StartKind kind = StartKind::cold;
        if (cfgRstStart(reader.payload(), &kind)) {
            receiver.start(kind);
        }
    }
}
