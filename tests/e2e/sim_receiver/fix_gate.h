#pragma once
// The receiver's fix after a start, on its own clock: for a while it may say nothing at
// all (it reboots), then it reports epochs without a fix until its time to first fix has
// passed, or for good when it never finds one. Before any start the stream's own fix
// stands.

#include <optional>

#include "clock.h"

class FixGate {
public:
    // A start at `now`: silent for `silence`, without a fix until `now + ttff` or, with
    // no ttff, for good. A ttff shorter than the silence ends with the silence, since
    // nothing is reported before; returns the time to first fix that is then simulated.
    std::optional<Micros> stop(Micros now, Micros silence, std::optional<Micros> ttff);

    // Until when the receiver says nothing; at or before `now` when it talks.
    Micros silentUntil() const { return silenceEnd; }
    bool withholdsFix(Micros now) const { return never || now < fixAt; }

private:
    Micros silenceEnd = 0;
    Micros fixAt = 0;
    bool never = false;
};
