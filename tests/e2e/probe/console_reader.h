#pragma once
// The program's rich-edit console, read line by line with each line's text colour.
// The colour of a line is the colour of its whole text when that is one colour; a line
// in several colours, or an empty one, has none.

#include <windows.h>

#include <cstddef>

struct ConsoleLine {
    static constexpr std::size_t maxUnits = 1024;
    int index = 0;
    wchar_t text[maxUnits] = {};
    std::size_t length = 0;  // units of the line; more than maxUnits - 1 means it was cut
    bool hasColor = false;
    COLORREF color = 0;
};

class ConsoleLineSink {
public:
    virtual ~ConsoleLineSink() = default;
    virtual void line(const ConsoleLine& line) = 0;
};

enum class ConsoleRead { ok, noAnswer, noMemory, changed };

// Reads the last `maxLines` lines (all when maxLines <= 0). Colours are read by selecting
// each line; the program's selection is put back afterwards. When a line arrives during
// the read the result is `changed` and the caller should read again.
ConsoleRead readConsoleLines(HWND console, HANDLE process, int maxLines, int* lineCount,
                             ConsoleLineSink& sink);
