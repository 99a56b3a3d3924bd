#pragma once
// What the sentence intake needs from the program around it. The desktop
// program implements it with windows, the headless replay and the tests
// without.

#include <cstddef>
#include <cstdint>

#include "base/civil_time.h"

enum class ConsoleColor { black, red, green };

class IntakeHost {
public:
    virtual ~IntakeHost() = default;

    // Console: the colour applies to the text appended next.
    virtual void setConsoleColor(ConsoleColor color) = 0;
    virtual int consoleLineCount() = 0;
    virtual void emptyConsole() = 0;
    // `units`: the text's length up to its NUL, which the intake knows already.
    virtual void appendToConsole(const char16_t* text, std::size_t units) = 0;

    virtual void setWindowTitle(const char16_t* title) = 0;
    virtual void requestRepaint() = 0;

    // Reply fields of the control panel.
    virtual void setCoreVersion(const char16_t* text) = 0;
    virtual void setFirmwareVersion(const char16_t* text) = 0;
    virtual void setGsvGsaChecked(bool checked) = 0;
    virtual void enableResetButtons() = 0;

    // An accepted sentence, CR LF included; written only while a log runs.
    virtual void logSentence(const char16_t* line, std::size_t units) = 0;

    virtual std::uint32_t tickCount() = 0;
    // Returns 1 with the local time, or 0 when the time cannot be converted.
    virtual int utcToLocal(const CivilTime& utc, CivilTime* local) = 0;
};
