#include "command_set.h"

#include "auto_send.h"
#include "command_host.h"
#include "serial/sentence_writer.h"

int CommandSet::request(Command command, std::uint32_t now) {
    switch (command) {
        case Command::sendText:
            return sendText(now);
        case Command::autoStart:
            return startAutoSend(host);
        case Command::autoStop:
            return stopAutoSend(host);
        default: {
            CommandRequest request;
            request.command = command;
            const bool queued = !runner.idle();  // else it starts at once and disables itself
            const int accepted = runner.request(request, now);
            if (accepted && queued) {
                disableWhileWaiting(command);
            }
            return accepted;
        }
    }
}

// A reset waiting behind another command must not be asked for again: its
// button goes grey as it is queued, not only as it starts.
void CommandSet::disableWhileWaiting(Command command) {
    if (command == Command::coldStart) {
        host.disableColdStart();
    } else if (command == Command::factoryReset) {
        host.disableFactoryReset();
    }
}

// A text longer than the writer's line is refused here, before anything is
// shown or queued, so that the operator sees the failure at once.
int CommandSet::sendText(std::uint32_t now) {
    char16_t field[sendFieldUnits + 1];
    host.readSendText(field, sendFieldUnits + 1);
    field[sendFieldUnits] = 0;
    const std::size_t length = sentenceTextLength(field, plainTextLimit);
    if (length > plainTextLimit) {
        return 0;
    }
    CommandRequest request;
    request.command = Command::sendText;
    request.text.assign(field, length);
    return runner.request(request, now);
}

int CommandSet::requestStart(StartKind kind, CommandFamily family, std::uint32_t now) {
    CommandRequest request;
    request.command = Command::startReceiver;
    request.startKind = kind;
    request.family = family;
    return runner.request(request, now);
}
