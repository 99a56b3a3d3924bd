#include "console_queue.h"

std::uint32_t consoleRgb(ConsoleColor color) {
    switch (color) {
        case ConsoleColor::red:
            return 0xFF0000;
        case ConsoleColor::green:
            return 0x00FF00;
        default:
            return 0x000000;
    }
}

// A new colour starts a run, and every run ends in a NUL of its own.
std::size_t ConsoleQueue::unitsNeeded(const char16_t* text, std::size_t* length) const {
    std::size_t n = 0;
    while (text[n] != 0 && n < capacity - 1) {
        ++n;
    }
    *length = n;
    const bool newRun = runCount == 0 || runColors[runCount - 1] != nextColor;
    return n + (newRun ? 1 : 0);
}

bool ConsoleQueue::fits(const char16_t* text) const {
    std::size_t length = 0;
    const std::size_t needed = unitsNeeded(text, &length);
    const bool newRun = needed > length;
    return pendingLength + needed <= capacity && (!newRun || runCount < maxRuns);
}

// A text the queue cannot take whole after an insertion is cut: a line is
// far shorter than the queue, so only a malformed text could be.
bool ConsoleQueue::append(const char16_t* text, std::uint32_t nowMs) {
    std::size_t length = 0;
    const std::size_t needed = unitsNeeded(text, &length);
    const bool newRun = needed > length;
    if (newRun && runCount == maxRuns) {
        return false;
    }
    if (newRun) {
        if (runCount > 0) {
            ++pendingLength;  // past the NUL that ends the previous run
        }
        runStarts[runCount] = pendingLength;
        runColors[runCount] = nextColor;
        ++runCount;
    }
    const std::size_t room = capacity - pendingLength;
    const std::size_t taken = length < room ? length : room;
    for (std::size_t i = 0; i < taken; ++i) {
        pending[pendingLength++] = text[i];
        waitingLineFeeds += text[i] == u'\n' ? 1 : 0;
    }
    pending[pendingLength] = 0;
    pacer.lineAppended();
    return pacer.insertAfterAppend(nowMs, controlLines, waitingLineFeeds);
}

bool ConsoleQueue::insertAtTick(std::uint32_t nowMs) {
    return pacer.insertAtTick(nowMs, waitingLineFeeds);
}

ConsoleQueue::Run ConsoleQueue::run(std::size_t index) const {
    return Run{pending + runStarts[index], runColors[index]};
}

void ConsoleQueue::inserted(std::uint32_t nowMs, int lines) {
    discard(lines);
    pacer.inserted(nowMs);
}

void ConsoleQueue::discard(int lines) {
    pendingLength = 0;
    pending[0] = 0;
    runCount = 0;
    waitingLineFeeds = 0;
    controlLines = lines;
}
