#pragma once
// The receiver as its commands change it: answers join the transmitter's reply queue, a
// start sends the stream back to its beginning, and a rate switch makes the receiver talk
// at the new baud rate whatever its pace was before.

#include <cstdint>

#include "replies.h"
#include "transmitter.h"

class TransmitterControl final : public ReceiverControl {
public:
    // initialBaud: the rate the receiver talks at, 0 when its pace is not a baud rate.
    TransmitterControl(Transmitter& controlled, long initialBaud)
        : transmitter(controlled), currentBaud(initialBaud) {}

    bool queueReply(const std::uint8_t* bytes, std::size_t count) override;
    void start(StartKind kind) override;
    void switchBaud(long baud) override;

    long baud() const { return currentBaud; }
    // Starts of kind cold or factory.
    std::int64_t coldStarts() const { return coldStartCount; }
    std::int64_t rateSwitches() const { return rateSwitchCount; }

private:
    Transmitter& transmitter;
    long currentBaud;
    std::int64_t coldStartCount = 0;
    std::int64_t rateSwitchCount = 0;
};
