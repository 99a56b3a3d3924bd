#pragma once
// The sentence intake's surroundings in the desktop program: the control
// panel's console and fields, the main window's title, the graphics panel,
// the log file and the system clock.

#include <windows.h>

#include "nmea/intake_host.h"

class CControlPanel;
class CGraphicsPanel;
class LogFile;

class WindowIntakeHost : public IntakeHost {
public:
    WindowIntakeHost(CControlPanel& control, CGraphicsPanel& graphics, LogFile& logFile)
        : controlPanel(control), graphicsPanel(graphics), log(logFile) {}

    void setMainWindow(HWND window) { mainWindow = window; }

    void setConsoleColor(ConsoleColor color) override;
    int consoleLineCount() override;
    void emptyConsole() override;
    void appendToConsole(const char16_t* text, std::size_t units) override;
    void setWindowTitle(const char16_t* title) override;
    void requestRepaint() override;
    void setCoreVersion(const char16_t* text) override;
    void setFirmwareVersion(const char16_t* text) override;
    void setGsvGsaChecked(bool checked) override;
    void enableResetButtons() override;
    void logSentence(const char16_t* line, std::size_t units) override;
    std::uint32_t tickCount() override;
    int utcToLocal(const CivilTime& utc, CivilTime* local) override;

private:
    CControlPanel& controlPanel;
    CGraphicsPanel& graphicsPanel;
    LogFile& log;
    HWND mainWindow = nullptr;
};
