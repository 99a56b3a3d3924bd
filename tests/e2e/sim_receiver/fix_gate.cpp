#include "fix_gate.h"

#include <algorithm>

std::optional<Micros> FixGate::stop(Micros now, Micros silence, std::optional<Micros> ttff) {
    silenceEnd = now + silence;
    never = !ttff.has_value();
    if (never) {
        return std::nullopt;
    }
    const Micros simulated = std::max(*ttff, silence);
    fixAt = now + simulated;
    return simulated;
}
