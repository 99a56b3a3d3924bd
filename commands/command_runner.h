#pragma once
// Runs one command sequence at a time against a clock it is given, without
// ever waiting: the caller asks again when msUntilNextStep says. Commands
// asked for while one runs wait in a small queue and start, in order, when
// it has ended; sequences never interleave.

#include <cstdint>

#include "command_request.h"

class CommandHost;
struct CommandSequence;
struct ReceiverState;

// Told when a command's steps begin, so that whoever asked for it knows when
// its first write went out (a campaign times each start from it).
class CommandStartListener {
public:
    virtual ~CommandStartListener() = default;
    virtual void commandStarted(const CommandRequest& request, const CommandSequence& sequence,
                                std::uint32_t startTick) = 0;
};

constexpr int commandQueueCapacity = 8;

class CommandRunner {
public:
    CommandRunner(CommandHost& commandHost, ReceiverState& receiverState)
        : host(commandHost), state(receiverState) {}

    // Starts the command at once when nothing runs (its steps due at 0 run
    // now), else queues it. An operator text identical to one already waiting
    // is not queued again. Returns 1, or 0 when the queue is full.
    int request(const CommandRequest& request, std::uint32_t now);

    // Runs every step whose time has come, in order; a late call runs the
    // late steps one after another. `now` is a millisecond tick that may wrap.
    void poll(std::uint32_t now);

    // Milliseconds until the next step is due (0: due now), or -1 when
    // nothing runs or waits.
    int msUntilNextStep(std::uint32_t now) const;

    // Drops the running command and every waiting one (the connection closed,
    // the program ends). No later step runs, so no port is reopened.
    void dropAll();
    // Drops the waiting requests of one command; the others keep their order.
    void dropWaiting(Command command);

    bool idle() const { return !running && waiting == 0; }

    void setStartListener(CommandStartListener* listener) { startListener = listener; }

private:
    bool enqueue(const CommandRequest& request);
    bool alreadyWaiting(const CommandRequest& request) const;
    void startNext(std::uint32_t now);
    void runDueSteps(std::uint32_t now);

    CommandHost& host;
    ReceiverState& state;

    CommandSequence sequence;
    bool running = false;
    bool polling = false;  // a host call that comes back here must not restart the sequence
    std::uint32_t startTick = 0;
    int nextStep = 0;

    CommandStartListener* startListener = nullptr;
    CommandRequest queue[commandQueueCapacity];
    int queueHead = 0;
    int waiting = 0;
};
