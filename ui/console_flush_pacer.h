#pragma once
// When the console's waiting lines go into the control. Every line inserted
// into a rich edit costs about a tenth of a millisecond or more (measuring
// its text), so a replay that runs at file speed cannot show each line. At
// any serial link's pace every tick inserts what waits, as it always did.
// In a faster stream the lines wait, and the console's emptying throws most
// of them away unseen; twice a second the first lines after an emptying are
// shown so the console keeps moving, and when the stream slows or stops
// everything that waits goes in. What the console holds in the end is the
// same either way.

#include <cstdint>

class ConsoleFlushPacer {
public:
    // Faster than the fastest link (921,600 baud gives about 1,500 lines/s).
    static constexpr std::uint32_t fastLinesPerSecond = 4000;
    static constexpr std::uint32_t glimpseEveryMs = 500;
    static constexpr int glimpseLines = 20;
    // Lines never wait longer, whatever the stream does.
    static constexpr std::uint32_t longestWaitMs = 3000;

    void lineAppended() { ++linesSinceTick; }
    // At each tick of the console's timer: whether to insert what waits.
    bool insertAtTick(std::uint32_t nowMs, int waitingLines);
    // After each appended line: whether a fast stream's glimpse is due now.
    bool insertAfterAppend(std::uint32_t nowMs, int controlLines, int waitingLines) const;
    void inserted(std::uint32_t nowMs) { lastInsertMs = nowMs; }
    bool fastStream() const { return fast; }

private:
    std::uint32_t lastTickMs = 0;
    std::uint32_t lastInsertMs = 0;
    std::uint32_t linesSinceTick = 0;
    bool fast = false;
};
