// The receiver commands in the main window: each command message starts or
// queues a timed sequence, and a timer (and every received line) runs its
// steps when they are due, so nothing sleeps on this thread.

#include "app/main_window.h"
#include "res/resource.h"

// A reset the operator asks of a receiver starts a new run of the statistics.
int CMainWindow::onReceiverCommand(Command command) {
    const int result = commands.request(command, GetTickCount());
    scheduleCommandSteps();
    const bool reset = command == Command::coldStart || command == Command::factoryReset;
    // A campaign's run goes on: its report covers every start it makes.
    if (result && reset && connection.hasPort() && !connection.isReplay() &&
        !campaign.running()) {
        startRun(RunSource::live);
    }
    return result;
}

void CMainWindow::runCommandSteps() {
    commands.poll(GetTickCount());
    scheduleCommandSteps();
}

// The timer is set only when none is armed or the next step's time has
// changed: this runs after every received line.
void CMainWindow::scheduleCommandSteps() {
    const DWORD now = GetTickCount();
    const int wait = commands.msUntilNextStep(now);
    if (wait < 0) {
        if (commandTimerArmed) {
            KillTimer(handle(), IDT_COMMAND_STEP);
            commandTimerArmed = false;
        }
        return;
    }
    const DWORD due = now + static_cast<DWORD>(wait);
    if (commandTimerArmed && due == commandTimerDue) {
        return;
    }
    // Without a timer the steps still run with the next received line or request.
    commandTimerArmed =
        SetTimer(handle(), IDT_COMMAND_STEP,
                 wait > 0 ? static_cast<UINT>(wait) : USER_TIMER_MINIMUM, nullptr) != 0;
    commandTimerDue = due;
}

void CMainWindow::dropCommands() {
    commands.dropAll();
    scheduleCommandSteps();
}
