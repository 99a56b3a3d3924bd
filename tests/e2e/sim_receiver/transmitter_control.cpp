#include "transmitter_control.h"

#include "pacer.h"

bool TransmitterControl::queueReply(const std::uint8_t* bytes, std::size_t count) {
    return transmitter.replies().queueReply(bytes, count);
}

void TransmitterControl::switchBaud(long baud) {
    transmitter.changePace(makeBaudPacer(baud));
    currentBaud = baud;
    ++rateSwitchCount;
}
