#include "step_execution.h"

#include "command_host.h"
#include "nmea/receiver_state.h"

namespace {

// A replay file must never be written to, and without a connection there is
// nothing to write to.
void sendStep(const CommandStep& step, CommandHost& host) {
    if (host.connectionKind() != ConnectionKind::port) {
        return;
    }
    switch (step.action) {
        case StepAction::sendSentence:
            writeSentence(host, step.text);
            return;
        case StepAction::sendChecked:
            writeSentenceChecked(host, step.text);
            return;
        default:
            writeFrame(host, step.frame.bytes, step.frame.count);
            return;
    }
}

void panelStep(const CommandStep& step, CommandHost& host) {
    switch (step.action) {
        case StepAction::appendConsole:
            return host.appendToConsole(step.text);
        case StepAction::emptyVersionFields:
            host.setCoreVersion(u"");
            return host.setFirmwareVersion(u"");
        case StepAction::disableColdStart:
            return host.disableColdStart();
        case StepAction::disableFactoryReset:
            return host.disableFactoryReset();
        case StepAction::setTitle:
            return host.setWindowTitle(step.text);
        default:
            return host.selectBaudListPosition(step.baudIndex);
    }
}

void stateStep(StepAction action, ReceiverState& state) {
    switch (action) {
        case StepAction::resetFirstFix:
            return state.resetFirstFix();
        case StepAction::clearFirstBand:
            return state.clearL1();
        case StepAction::clearAll:
            return state.clearAll();
        default:
            state.resetPending = 1;
            return;
    }
}

int portStep(const CommandStep& step, CommandHost& host) {
    switch (step.action) {
        case StepAction::withdrawPort:
            host.withdrawPort();
            return 1;
        case StepAction::reopenPort:
            return host.reopenPort(step.baudIndex) ? 1 : 0;
        case StepAction::publishPort:
            return host.publishPort() ? 1 : 0;
        default:
            host.purgePort();
            return 1;
    }
}

}  // namespace

int executeStep(const CommandStep& step, CommandHost& host, ReceiverState& state) {
    switch (step.action) {
        case StepAction::appendConsole:
        case StepAction::emptyVersionFields:
        case StepAction::disableColdStart:
        case StepAction::disableFactoryReset:
        case StepAction::setTitle:
        case StepAction::selectBaudList:
            panelStep(step, host);
            return 1;
        case StepAction::resetFirstFix:
        case StepAction::clearFirstBand:
        case StepAction::clearAll:
        case StepAction::setResetPending:
            stateStep(step.action, state);
            return 1;
        case StepAction::sendSentence:
        case StepAction::sendChecked:
        case StepAction::sendFrame:
            sendStep(step, host);
            return 1;
        case StepAction::withdrawPort:
        case StepAction::reopenPort:
        case StepAction::publishPort:
        case StepAction::purgePort:
            if (!portStep(step, host)) {
                host.reopenFailed();
                return 0;
            }
            return 1;
    }
    return 1;
}
