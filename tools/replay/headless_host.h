#pragma once
// The program's surroundings without windows: a console that only counts its
// lines, text fields in memory, a virtual clock, and an optional log file.

#include <cstdio>

#include "base/fixed_text.h"
#include "nmea/intake_host.h"

class HeadlessHost : public IntakeHost {
public:
    static constexpr std::uint32_t clockStart = 1000;

    HeadlessHost();
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    void useUtcOffset(std::int64_t minutes);
    // Creates the log file and writes its byte-order mark. Returns 1, or 0 when
    // the file cannot be created.
    int openLog(const char* path);

    // Back to the state of a new host: clock at its start, fields as they
    // start, no UTC offset, and the log closed.
    void reset();

    void advanceClock(std::uint32_t milliseconds) { tick += milliseconds; }
    // Forgets what the previous line did, before the next one is handled.
    void beginLine();

    // IntakeHost
    void setConsoleColor(ConsoleColor color) override { currentColor = color; }
    int consoleLineCount() override { return consoleLines; }
    void emptyConsole() override;
    void appendToConsole(const char16_t* text, std::size_t units) override;
    void setWindowTitle(const char16_t* text) override { title.assign(text); }
    void requestRepaint() override { ++repaintRequests; }
    void setCoreVersion(const char16_t* text) override { coreVersion.assign(text); }
    void setFirmwareVersion(const char16_t* text) override { firmwareVersion.assign(text); }
    void setGsvGsaChecked(bool checked) override { gsvGsaChecked = checked; }
    void enableResetButtons() override {}
    void logSentence(const char16_t* line, std::size_t units) override;
    std::uint32_t tickCount() override { return tick; }
    int utcToLocal(const CivilTime& utc, CivilTime* local) override;

    // What the last line did and what the fields show now.
    ConsoleColor currentColor = ConsoleColor::black;
    bool consoleCleared = false;
    int repaintRequests = 0;
    int consoleLines = 1;  // an empty rich edit reports one line
    FixedText<64> title;
    FixedText<1024> coreVersion;
    FixedText<1024> firmwareVersion;
    bool gsvGsaChecked = false;

private:
    void closeLog();

    std::uint32_t tick = clockStart;
    bool hasUtcOffset = false;
    std::int64_t utcOffsetMinutes = 0;
    std::FILE* log = nullptr;
};
