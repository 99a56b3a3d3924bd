#pragma once
// The receiver commands' surroundings in the desktop program: the control
// panel, the main window's title and timers, and the serial connection.

#include <windows.h>

#include "commands/command_host.h"

class CBackupDlg;

class WindowCommandHost : public CommandHost {
public:
    explicit WindowCommandHost(CBackupDlg& controlDialog) : controlPanel(controlDialog) {}

    void setMainWindow(HWND window) { mainWindow = window; }

    void writeBytes(const std::uint8_t* bytes, std::size_t count) override;
    void appendConsoleText(const char16_t* text) override;
    void setCoreVersion(const char16_t* text) override;
    void setFirmwareVersion(const char16_t* text) override;
    void disableColdStart() override;
    void disableFactoryReset() override;
    void setWindowTitle(const char16_t* title) override;
    int baudListPosition() override;
    int newRatePosition() override;
    void selectBaudListPosition(int position) override;
    void readSendText(char16_t* text, std::size_t size) override;
    void readModText(char16_t* text, std::size_t size) override;
    void readAutoPeriodText(char16_t* text, std::size_t size) override;
    void untickAuto() override;
    void setSignalOffset(std::int32_t offset) override;
    void startAutoSendTimer(std::uint32_t periodMs) override;
    void stopAutoSendTimer() override;
    ConnectionKind connectionKind() override;
    void closePortForReopen() override;
    int openPortAgain(int baudIndex) override;
    void purgeAndPublish() override;
    void purgeAndClearErrors() override;

private:
    void readField(int id, char16_t* text, std::size_t size);
    int listPosition(int id);

    CBackupDlg& controlPanel;
    HWND mainWindow = nullptr;
};
