#include "transmitter_control.h"

#include "pacer.h"

bool TransmitterControl::queueReply(const std::uint8_t* bytes, std::size_t count) {
    return transmitter.replies().queueReply(bytes, count);
}

void TransmitterControl::start(StartKind kind) {
    transmitter.restartSource();
    coldStartCount += kind == StartKind::cold || kind == StartKind::factory ? 1 : 0;
}

void TransmitterControl::switchBaud(long baud) {
    transmitter.changePace(makeBaudPacer(baud));
    currentBaud = baud;
    ++rateSwitchCount;
}
