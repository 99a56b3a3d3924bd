#include "replay_session.h"

ReplaySession::ReplaySession(std::uint32_t lineMilliseconds) : lineMs(lineMilliseconds) {
    ring.init(ringCapacity);
    state.clearAll();
    state.resetFirstFix();
    host.setWindowTitle(u"Skyvane");
}

void ReplaySession::handleLine() {
    host.advanceClock(lineMs);
    tick = host.tickCount();
    host.beginLine();
    intake.onLineReady(ring);
    ++lines;
}
