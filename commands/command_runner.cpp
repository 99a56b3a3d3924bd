#include "command_runner.h"

#include <string>

#include "command_host.h"
#include "command_sequences.h"
#include "step_execution.h"

namespace {

bool sameText(const CommandText& a, const CommandText& b) {
    const std::size_t length = a.length();
    return length == b.length() &&
           std::char_traits<char16_t>::compare(a.c_str(), b.c_str(), length) == 0;
}

}  // namespace

int CommandRunner::request(const CommandRequest& request, std::uint32_t now) {
    if (running || waiting > 0 || polling) {
        return enqueue(request) ? 1 : 0;
    }
    enqueue(request);
    poll(now);
    return 1;
}

// The auto-send timer must not pile up copies of one text behind a long
// command; a copy already waiting will send the same bytes.
bool CommandRunner::enqueue(const CommandRequest& request) {
    if (alreadyWaiting(request)) {
        return true;
    }
    if (waiting == commandQueueCapacity) {
        return false;
    }
    // Only the text's used units are copied; the rest of its array is never read.
    CommandRequest& slot = queue[(queueHead + waiting) % commandQueueCapacity];
    slot.command = request.command;
    slot.text.assign(request.text.c_str());
    slot.startKind = request.startKind;
    slot.family = request.family;
    ++waiting;
    return true;
}

bool CommandRunner::alreadyWaiting(const CommandRequest& request) const {
    if (request.command != Command::sendText) {
        return false;
    }
    for (int i = 0; i < waiting; ++i) {
        const CommandRequest& queued = queue[(queueHead + i) % commandQueueCapacity];
        if (queued.command == Command::sendText && sameText(queued.text, request.text)) {
            return true;
        }
    }
    return false;
}

void CommandRunner::poll(std::uint32_t now) {
    if (polling) {
        return;
    }
    polling = true;
    while (running || waiting > 0) {
        if (!running) {
            startNext(now);
        }
        runDueSteps(now);
        if (running) {
            break;  // the next step is not due yet
        }
    }
    polling = false;
}

// The rate lists are read now, as the command begins, so that a command that
// waited sees the rate a command before it selected.
void CommandRunner::startNext(std::uint32_t now) {
    const CommandRequest& next = queue[queueHead];
    const RateSelection rates = {host.baudListPosition(), host.newRatePosition()};
    buildSequence(next, rates, sequence);
    queueHead = (queueHead + 1) % commandQueueCapacity;
    --waiting;
    running = true;
    startTick = now;
    nextStep = 0;
    if (startListener != nullptr) {
        startListener->commandStarted(next, sequence, now);
    }
}

void CommandRunner::runDueSteps(std::uint32_t now) {
    const std::uint32_t elapsed = now - startTick;
    while (running && nextStep < sequence.count && sequence.steps[nextStep].atMs <= elapsed) {
        const CommandStep& step = sequence.steps[nextStep++];
        if (!executeStep(step, host, state)) {
            running = false;  // a failed reopen: the rest would act on no port
        }
    }
    if (nextStep >= sequence.count) {
        running = false;
    }
}

int CommandRunner::msUntilNextStep(std::uint32_t now) const {
    if (!running || nextStep >= sequence.count) {
        return waiting > 0 ? 0 : -1;
    }
    const std::uint32_t due = sequence.steps[nextStep].atMs;
    const std::uint32_t elapsed = now - startTick;
    return due > elapsed ? static_cast<int>(due - elapsed) : 0;
}

void CommandRunner::dropWaiting(Command command) {
    int kept = 0;
    for (int i = 0; i < waiting; ++i) {
        const CommandRequest& request = queue[(queueHead + i) % commandQueueCapacity];
        if (request.command != command) {
            CommandRequest& slot = queue[(queueHead + kept) % commandQueueCapacity];
            if (&slot != &request) {
                slot.command = request.command;
                slot.text.assign(request.text.c_str());
                slot.startKind = request.startKind;
                slot.family = request.family;
            }
            ++kept;
        }
    }
    waiting = kept;
}

void CommandRunner::dropAll() {
    running = false;
    waiting = 0;
    queueHead = 0;
    sequence.count = 0;
}
