#include "window_command_host.h"

#include "base/wide_win32.h"
#include "res/resource.h"
#include "serial/connection_win32.h"
#include "ui/control_panel.h"
#include "ui/graphics_panel.h"
#include "window/messages.h"

// One write of the whole line; the result is not looked at, as a receiver
// that is gone simply does not answer.
void WindowCommandHost::writeBytes(const std::uint8_t* bytes, std::size_t count) {
    connection.writeToPort(bytes, count);
}

void WindowCommandHost::appendToConsole(const char16_t* text) {
    controlPanel.appendToConsole(asWide(text));
}

void WindowCommandHost::setCoreVersion(const char16_t* text) {
    controlPanel.setText(IDC_CORE_VER, asWide(text));
}

void WindowCommandHost::setFirmwareVersion(const char16_t* text) {
    controlPanel.setText(IDC_FW_VER, asWide(text));
}

void WindowCommandHost::disableColdStart() {
    controlPanel.enable(IDC_COLD_START, false);
}

void WindowCommandHost::disableFactoryReset() {
    controlPanel.enable(IDC_FACTORY_RESET, false);
}

void WindowCommandHost::setWindowTitle(const char16_t* title) {
    SetWindowTextW(mainWindow, asWide(title));
}

int WindowCommandHost::listPosition(int id) {
    const LRESULT position = SendMessageW(controlPanel.control(id), CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? -1 : static_cast<int>(position);
}

int WindowCommandHost::baudListPosition() {
    return listPosition(IDC_BAUD_RATE);
}

int WindowCommandHost::newRatePosition() {
    return listPosition(IDC_NEW_BAUD);
}

void WindowCommandHost::selectBaudListPosition(int position) {
    SendMessageW(controlPanel.control(IDC_BAUD_RATE), CB_SETCURSEL, static_cast<WPARAM>(position),
                 0);
}

void WindowCommandHost::readField(int id, char16_t* text, std::size_t size) {
    if (size == 0) {
        return;
    }
    text[0] = 0;
    GetWindowTextW(controlPanel.control(id), asWide(text), static_cast<int>(size));
    text[size - 1] = 0;
}

void WindowCommandHost::readSendText(char16_t* text, std::size_t size) {
    readField(IDC_SEND_TEXT, text, size);
}

void WindowCommandHost::readModText(char16_t* text, std::size_t size) {
    readField(IDC_MOD, text, size);
}

void WindowCommandHost::readAutoPeriodText(char16_t* text, std::size_t size) {
    readField(IDC_AUTO_PERIOD, text, size);
}

void WindowCommandHost::untickAuto() {
    controlPanel.setChecked(IDC_AUTO, false);
}

void WindowCommandHost::setSignalOffset(std::int32_t offset) {
    graphicsPanel.setSignalOffset(offset);
}

void WindowCommandHost::startAutoSendTimer(std::uint32_t periodMs) {
    SetTimer(mainWindow, IDT_AUTO_SEND, periodMs, nullptr);
}

void WindowCommandHost::stopAutoSendTimer() {
    KillTimer(mainWindow, IDT_AUTO_SEND);
}

ConnectionKind WindowCommandHost::connectionKind() {
    if (!connection.hasPort()) {
        return ConnectionKind::none;
    }
    return connection.isReplay() ? ConnectionKind::replay : ConnectionKind::port;
}

void WindowCommandHost::withdrawPort() {
    connection.withdrawPort();
}

int WindowCommandHost::reopenPort(int baudIndex) {
    return connection.reopenPort(baudIndex);
}

int WindowCommandHost::publishPort() {
    return connection.publishPort();
}

void WindowCommandHost::purgePort() {
    connection.purgePort();
}

// Closing the connection waits for its reader, which must not happen inside
// a step (it may run while the reader hands over lines): the main window does
// it once this message comes.
void WindowCommandHost::reopenFailed() {
    reopenFailure = true;
    PostMessageW(mainWindow, MSG_REOPEN_FAILED, 0, 0);
}

bool WindowCommandHost::takeReopenFailure() {
    const bool failed = reopenFailure;
    reopenFailure = false;
    return failed;
}
