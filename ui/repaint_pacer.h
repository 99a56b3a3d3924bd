#pragma once
// How soon a repaint the receiver asked for may follow the last paint. The
// panel is repainted after every RMC: at a receiver's pace (up to 25 a
// second) each request paints at once. A replay at file speed asks hundreds
// of times a second, faster than an eye follows and than the panel can be
// drawn; its requests within the gap are gathered into one paint at its end.

#include <cstdint>

class RepaintPacer {
public:
    static constexpr std::uint32_t minimumGapMs = 40;

    // 0 when the panel may be invalidated now, else the milliseconds to wait
    // before invalidating it once for every request meanwhile.
    std::uint32_t delayFor(std::uint32_t nowMs) const {
        const std::uint32_t since = nowMs - lastPaintMs;
        return !paintedOnce || since >= minimumGapMs ? 0 : minimumGapMs - since;
    }
    void painted(std::uint32_t nowMs) {
        lastPaintMs = nowMs;
        paintedOnce = true;
    }

private:
    std::uint32_t lastPaintMs = 0;
    bool paintedOnce = false;
};
