#pragma once
// The sentence intake's surroundings in the desktop program: the control
// panel's console and fields, the main window's title, the graphics panel,
// the log file and the system clock.

#include <windows.h>

#include "nmea/intake_host.h"

class CBackupDlg;
class CRestoreDlg;

class WindowIntakeHost : public IntakeHost {
public:
    WindowIntakeHost(CBackupDlg& controlDialog, CRestoreDlg& graphicsDialog)
        : controlPanel(controlDialog), graphicsPanel(graphicsDialog) {}

    void setMainWindow(HWND window) { mainWindow = window; }

    void setConsoleColor(ConsoleColor color) override;
    int consoleLineCount() override;
    void emptyConsole() override;
    void appendToConsole(const char16_t* text) override;
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
    CBackupDlg& controlPanel;
    CRestoreDlg& graphicsPanel;
    HWND mainWindow = nullptr;
};
