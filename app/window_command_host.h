#pragma once
// The receiver commands' surroundings in the desktop program: the control
// panel, the graphics panel's signal offset, the main window's title and
// timers, and the serial connection.

#include <windows.h>

#include "commands/command_host.h"

class CControlPanel;
class CGraphicsPanel;
class SerialConnection;

class WindowCommandHost : public CommandHost {
public:
    WindowCommandHost(CControlPanel& control, CGraphicsPanel& graphics,
                      SerialConnection& serialConnection)
        : controlPanel(control), graphicsPanel(graphics), connection(serialConnection) {}

    void setMainWindow(HWND window) { mainWindow = window; }
    // True once after a reopen failed; the main window then closes the connection.
    bool takeReopenFailure();

    void writeBytes(const std::uint8_t* bytes, std::size_t count) override;
    void appendToConsole(const char16_t* text) override;
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
    void withdrawPort() override;
    int reopenPort(int baudIndex) override;
    int publishPort() override;
    void purgePort() override;
    void reopenFailed() override;

private:
    void readField(int id, char16_t* text, std::size_t size);
    int listPosition(int id);

    CControlPanel& controlPanel;
    CGraphicsPanel& graphicsPanel;
    SerialConnection& connection;
    HWND mainWindow = nullptr;
    bool reopenFailure = false;
};
