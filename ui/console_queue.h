#pragma once
// What the console shows next: received lines gathered in runs of one colour
// until they go into the control together. Each insertion into a rich edit
// costs milliseconds (far more under Wine), one per line could not keep up
// with a fast receiver; when lines arrive faster than any link delivers
// them (a replay), the pacer lets them wait for the console's emptying
// instead. What the console shows, in which colour, and where the text goes
// is the same as with one insertion per line. The control itself is the
// console pane's; this only decides and keeps the text.

#include <cstddef>
#include <cstdint>

#include "nmea/intake_host.h"
#include "ui/console_flush_pacer.h"

// 0xRRGGBB of each console colour.
std::uint32_t consoleRgb(ConsoleColor color);

class ConsoleQueue {
public:
    // Room for a whole console of ordinary lines: in a fast stream the lines
    // wait until the console is emptied.
    static constexpr std::size_t capacity = 196608;
    // A run a line, for a whole console of lines in alternating colours.
    static constexpr std::size_t maxRuns = 2048;

    struct Run {
        const char16_t* text;  // NUL-terminated
        std::uint32_t rgb;
    };

    // The colour of the text appended next.
    void setColor(std::uint32_t rgb) { nextColor = rgb; }
    // Whether the text can be queued without inserting what waits first.
    bool fits(const char16_t* text) const;
    // Queues the text (cut to what the queue holds). Returns true when a fast
    // stream's glimpse is due: what waits should go in now.
    bool append(const char16_t* text, std::uint32_t nowMs);
    // At each tick of the console's timer: whether to insert what waits.
    bool insertAtTick(std::uint32_t nowMs);

    bool hasWaiting() const { return runCount > 0; }
    std::size_t waitingRuns() const { return runCount; }
    Run run(std::size_t index) const;
    // Everything waiting went in; the control now counts `lines`.
    void inserted(std::uint32_t nowMs, int lines);
    // Drops what waits; the control was emptied or replaced and counts `lines`.
    void discard(int lines);

    // Lines in the control plus those still waiting, as the control counts them.
    int lineCount() const { return controlLines + waitingLineFeeds; }
    bool fastStream() const { return pacer.fastStream(); }

private:
    std::size_t unitsNeeded(const char16_t* text, std::size_t* length) const;

    // Each run is followed by a NUL, so every run is a text of its own.
    char16_t pending[capacity + 1] = {};
    std::size_t pendingLength = 0;
    std::size_t runStarts[maxRuns] = {};
    std::uint32_t runColors[maxRuns] = {};
    std::size_t runCount = 0;
    std::uint32_t nextColor = 0x000000;
    ConsoleFlushPacer pacer;
    int waitingLineFeeds = 0;
    int controlLines = 1;  // an empty rich edit counts one line
};
