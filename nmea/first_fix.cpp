#include "first_fix.h"

#include "intake_host.h"
#include "receiver_state.h"

void checkFirstFix(ReceiverState& state, IntakeHost& host) {
    if (state.ttffDone) {
        return;
    }
    // A fix this soon after the start is most likely left over from before it.
    if (host.tickCount() - state.ttffStartTick <= 3000) {
        return;
    }
    state.ttffDone = 1;
    const std::uint32_t elapsed = host.tickCount() - state.ttffStartTick;
    FixedText<64> title;
    title.format("Skyvane  %d Sec", static_cast<int>(elapsed / 1000));
    host.setWindowTitle(title.c_str());
    // The next line re-arms the start tick and is not parsed.
    state.ttffStartTick = 0;
}
