#include "console_flush_pacer.h"

bool ConsoleFlushPacer::insertAtTick(std::uint32_t nowMs, int waitingLines) {
    const std::uint64_t elapsedMs = nowMs - lastTickMs;
    fast = static_cast<std::uint64_t>(linesSinceTick) * 1000 >= fastLinesPerSecond * elapsedMs &&
           linesSinceTick > 0;
    lastTickMs = nowMs;
    linesSinceTick = 0;
    if (waitingLines == 0) {
        return false;
    }
    return !fast || nowMs - lastInsertMs >= longestWaitMs;
}

// A glimpse only at the first lines after an emptying: it costs a few lines'
// insertion, where one later would insert every line received since.
bool ConsoleFlushPacer::insertAfterAppend(std::uint32_t nowMs, int controlLines,
                                          int waitingLines) const {
    return fast && controlLines <= 1 && waitingLines == glimpseLines &&
           nowMs - lastInsertMs >= glimpseEveryMs;
}
