#pragma once
// The receiver command set as the program sees it: one entry per command
// message, and the calls that drive the running command from a clock.

#include <cstddef>
#include <cstdint>

#include "command_request.h"
#include "command_runner.h"

class CommandHost;
struct ReceiverState;

// The send field holds at most this many units.
constexpr std::size_t sendFieldUnits = 1022;

class CommandSet {
public:
    CommandSet(CommandHost& commandHost, ReceiverState& receiverState)
        : host(commandHost), runner(commandHost, receiverState) {}

    // Carries out or queues the command. Returns what the command message
    // returns: 1, and 0 for auto start and stop; also 0 when a command cannot
    // be queued or the operator's text does not fit a sentence line, and
    // then nothing is sent or shown.
    int request(Command command, std::uint32_t now);

    // The send field's text: read now, sent when its turn comes. The auto-send
    // timer calls this too and ignores the result.
    int sendText(std::uint32_t now);

    // One start of the kind for the family (none: every family in turn), run
    // as any command is, in turn. Returns 1, or 0 when it cannot be queued.
    int requestStart(StartKind kind, CommandFamily family, std::uint32_t now);
    void setStartListener(CommandStartListener* listener) { runner.setStartListener(listener); }
    // Drops the starts still waiting in the queue (a campaign that ends).
    void dropWaitingStarts() { runner.dropWaiting(Command::startReceiver); }

    // Call from a timer after msUntilNextStep, and after each received line.
    void poll(std::uint32_t now) { runner.poll(now); }
    int msUntilNextStep(std::uint32_t now) const { return runner.msUntilNextStep(now); }
    void dropAll() { runner.dropAll(); }
    bool idle() const { return runner.idle(); }

private:
    void disableWhileWaiting(Command command);

    CommandHost& host;
    CommandRunner runner;
};
