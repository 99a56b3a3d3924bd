#include "replay_session.h"

ReplaySession::ReplaySession(std::uint32_t lineMilliseconds) : lineMs(lineMilliseconds) {
    ring.init(ringCapacity);
    state.clearAll();
    state.resetFirstFix();
    host.setWindowTitle(u"Skyvane");
}

// A new receiver state is already cleared, and a new host already shows the
// program's title.
void ReplaySession::reset() {
    // Building a state record by record costs far more than copying one.
    static const ReceiverState newState;
    ring.clear();
    batch.clear();
    state = newState;
    intake.reset();
    host.reset();
    tick = HeadlessHost::clockStart;
    lines = 0;
}

void ReplaySession::handleLine(const LineBytes& line) {
    host.advanceClock(lineMs);
    tick = host.tickCount();
    host.beginLine();
    intake.onLine(line);
    ++lines;
}
