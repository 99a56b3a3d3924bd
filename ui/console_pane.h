#pragma once
// The rich-edit console of the control panel. Received lines are gathered and
// inserted together, a run of one colour at a time, a few tens of
// milliseconds after they arrived: each insertion into a rich edit costs
// milliseconds (far more under Wine), one per line could not keep up with a
// fast receiver. When lines arrive faster than any link delivers them (a
// replay), the pacer lets them wait for the console's emptying instead. What
// the console shows, in which colour, and where the text goes (at the caret)
// is the same as with one insertion per line.

#include <richedit.h>
#include <windows.h>

#include <cstddef>

#include "ui/console_flush_pacer.h"

class ConsolePane {
public:
    static constexpr UINT_PTR flushTimer = 1;
    static constexpr UINT flushDelayMs = 50;

    // Creates the control; returns 1, or 0 when the rich-edit library is missing.
    // `format` is the panel's character format, applied to each inserted run.
    int create(HWND panel, CHARFORMATW* format);
    HWND window() const { return console; }

    void setColor(COLORREF color) { nextColor = color; }
    void append(const wchar_t* text);
    // Lines in the control plus those still waiting, as the control counts them.
    int lineCount() const;
    void empty();
    // Replaces everything, waiting lines included, with the text.
    void replaceAll(const wchar_t* text);
    // The panel's timer: inserts what waits unless the pacer holds it back.
    void onFlushTimer();
    // Inserts what waits now.
    void flush() { insertWaiting(); }

private:
    // Room for a whole console of ordinary lines: in a fast stream the lines
    // wait until the console is emptied.
    static constexpr std::size_t capacity = 196608;
    // A run a line, for a whole console of lines in alternating colours.
    static constexpr std::size_t maxRuns = 2048;

    struct Run {
        std::size_t start;
        COLORREF color;
    };

    HWND createControl();
    void insertWaiting();
    void insertRun(std::size_t start, std::size_t end, COLORREF color);

    HWND parent = nullptr;
    HWND console = nullptr;
    CHARFORMATW* charFormat = nullptr;
    COLORREF nextColor = RGB(0, 0, 0);
    wchar_t pending[capacity];
    std::size_t pendingLength = 0;
    Run runs[maxRuns];
    std::size_t runCount = 0;
    ConsoleFlushPacer pacer;
    int pendingLineFeeds = 0;
    int controlLines = 1;
    bool timerArmed = false;
};
