#include "start_sequence.h"

namespace {

constexpr CommandFamily broadcastOrder[] = {CommandFamily::psrf, CommandFamily::pmtk,
                                            CommandFamily::pair, CommandFamily::at,
                                            CommandFamily::ubx};

void appendWrite(CommandSequence& sequence, const StartCommand& command, std::uint32_t atMs) {
    CommandStep& step = sequence.steps[sequence.count++];
    step = CommandStep();
    step.atMs = atMs;
    if (command.sentence != nullptr) {
        step.action = StepAction::sendSentence;
        step.text = command.sentence;
    } else {
        step.action = StepAction::sendFrame;
        step.frame = command.frame;
    }
}

bool isWrite(StepAction action) {
    return action == StepAction::sendSentence || action == StepAction::sendChecked ||
           action == StepAction::sendFrame;
}

}  // namespace

int buildStartSequence(StartKind kind, CommandFamily family, CommandSequence& sequence) {
    sequence.count = 0;
    const StartCommand* command = startCommand(family, kind);
    if (command != nullptr) {
        appendWrite(sequence, *command, 0);
    }
    return sequence.count;
}

int buildAllFamiliesStartSequence(StartKind kind, CommandSequence& sequence) {
    sequence.count = 0;
    std::uint32_t atMs = 0;
    for (CommandFamily family : broadcastOrder) {
        const StartCommand* command = startCommand(family, kind);
        if (command != nullptr) {
            appendWrite(sequence, *command, atMs);
            atMs += familyPaceMs;
        }
    }
    return sequence.count;
}

std::int32_t firstWriteAtMs(const CommandSequence& sequence) {
    for (int i = 0; i < sequence.count; ++i) {
        if (isWrite(sequence.steps[i].action)) {
            return static_cast<std::int32_t>(sequence.steps[i].atMs);
        }
    }
    return -1;
}
