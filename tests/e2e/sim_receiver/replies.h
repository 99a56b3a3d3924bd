#pragma once
// How the simulated receiver answers what the program sends it. Every byte read from the
// program goes to the reply policy, which may queue answers; the transmitter sends queued
// answers before the next line of the stream, at the stream's pace, as a receiver does
// when it slips its acknowledgement between two sentences. A receiver family is one
// policy (for example a table from received command to reply bytes).

#include <cstddef>
#include <cstdint>

#include "commands/start_commands.h"

class ReplySink {
public:
    virtual ~ReplySink() = default;
    // Queues bytes to be sent at the next line boundary; false when the queue is full.
    virtual bool queueReply(const std::uint8_t* bytes, std::size_t count) = 0;
};

// What a command can make the receiver do besides answering.
class ReceiverControl : public ReplySink {
public:
    // A start command of the family, of the kind it names: the receiver loses its fix
    // and finds it again (see StartResponder).
    virtual void start(StartKind kind) = 0;
    // The receiver moves its own line to another rate.
    virtual void switchBaud(long baud) = 0;
};

class ReplyPolicy {
public:
    virtual ~ReplyPolicy() = default;
    // Called with each read from the program, in order; reads may cut a command anywhere,
    // so a policy that matches whole commands keeps its own partial input.
    virtual void onReceived(const std::uint8_t* bytes, std::size_t count,
                            ReceiverControl& receiver) = 0;
};

// A receiver that only talks: it ignores every command.
class SilentReceiver final : public ReplyPolicy {
public:
    void onReceived(const std::uint8_t*, std::size_t, ReceiverControl&) override {}
};
