#pragma once
// The receiver as its commands change it: answers join the transmitter's reply queue, a
// start loses the fix as the start responder says, and a rate switch makes the receiver
// talk at the new baud rate whatever its pace was before.

#include <cstdint>
#include <functional>

#include "replies.h"
#include "start_responder.h"
#include "transmitter.h"

class TransmitterControl final : public ReceiverControl {
public:
    // initialBaud: the rate the receiver talks at, 0 when its pace is not a baud rate.
    // clock: the receiver's clock, on which a start is timed.
    TransmitterControl(Transmitter& controlled, long initialBaud, StartOptions startOptions = {},
                       std::function<Micros()> clock = monotonicMicros)
        : transmitter(controlled),
          currentBaud(initialBaud),
          responder(std::move(startOptions)),
          now(std::move(clock)) {}

    bool queueReply(const std::uint8_t* bytes, std::size_t count) override;
    void start(StartKind kind) override { responder.respond(kind, now(), transmitter); }
    void switchBaud(long baud) override;

    long baud() const { return currentBaud; }
    const StartResponder& starts() const { return responder; }
    std::int64_t rateSwitches() const { return rateSwitchCount; }

private:
    Transmitter& transmitter;
    long currentBaud;
    StartResponder responder;
    std::function<Micros()> now;
    std::int64_t rateSwitchCount = 0;
};
