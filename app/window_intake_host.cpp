#include "window_intake_host.h"

#include "base/machine_local_time.h"
#include "base/wide_win32.h"
#include "res/resource.h"
#include "serial/log_file_win32.h"
#include "ui/control_panel.h"
#include "ui/graphics_panel.h"

void WindowIntakeHost::setConsoleColor(ConsoleColor color) {
    controlPanel.setConsoleColor(color);
}

int WindowIntakeHost::consoleLineCount() {
    return controlPanel.consoleLineCount();
}

void WindowIntakeHost::emptyConsole() {
    controlPanel.emptyConsole();
}

// The rich edit finds the text's end itself.
void WindowIntakeHost::appendToConsole(const char16_t* text, std::size_t /*units*/) {
    controlPanel.appendToConsole(asWide(text));
}

void WindowIntakeHost::setWindowTitle(const char16_t* title) {
    SetWindowTextW(mainWindow, asWide(title));
}

void WindowIntakeHost::requestRepaint() {
    graphicsPanel.requestRepaint();
}

void WindowIntakeHost::setCoreVersion(const char16_t* text) {
    controlPanel.setText(IDC_CORE_VER, asWide(text));
}

void WindowIntakeHost::setFirmwareVersion(const char16_t* text) {
    controlPanel.setText(IDC_FW_VER, asWide(text));
}

// BM_SETCHECK changes the box without the click notification: no command follows.
void WindowIntakeHost::setGsvGsaChecked(bool checked) {
    controlPanel.setChecked(IDC_GSV_GSA, checked);
}

void WindowIntakeHost::enableResetButtons() {
    controlPanel.enable(IDC_COLD_START, true);
    controlPanel.enable(IDC_FACTORY_RESET, true);
}

// A log the file system stops taking (a full disk, its folder gone) ends
// with the lines written whole; the stream, the console and the panel go on.
void WindowIntakeHost::logSentence(const char16_t* line, std::size_t units) {
    if (log.writeLine(line, units)) {
        return;
    }
    graphicsPanel.setLogging(false);
    controlPanel.showConsoleMessage(L"Log File ERROR!!");
    controlPanel.showLogRunning(false);
}

std::uint32_t WindowIntakeHost::tickCount() {
    return GetTickCount();
}

int WindowIntakeHost::utcToLocal(const CivilTime& utc, CivilTime* local) {
    return machineUtcToLocal(utc, local);
}
