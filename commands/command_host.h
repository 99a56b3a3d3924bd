#pragma once
// What the receiver commands need from the program around them: the control
// panel, the window title, the auto-send timer and the connection. The
// desktop program implements it with windows and the serial port; the tests
// record every call.

#include <cstddef>
#include <cstdint>

#include "serial/sentence_writer.h"

enum class ConnectionKind { none, port, replay };

class CommandHost : public SentenceOutput {
public:
    // Console and control panel.
    virtual void appendToConsole(const char16_t* text) = 0;
    virtual void setCoreVersion(const char16_t* text) = 0;
    virtual void setFirmwareVersion(const char16_t* text) = 0;
    virtual void disableColdStart() = 0;
    virtual void disableFactoryReset() = 0;
    virtual void setWindowTitle(const char16_t* title) = 0;

    // Selected positions of the baud list and the new-rate list; -1: none.
    virtual int baudListPosition() = 0;
    virtual int newRatePosition() = 0;
    virtual void selectBaudListPosition(int position) = 0;

    // Copies at most size - 1 units of the field's text and a NUL.
    virtual void readSendText(char16_t* text, std::size_t size) = 0;
    virtual void readModText(char16_t* text, std::size_t size) = 0;
    virtual void readAutoPeriodText(char16_t* text, std::size_t size) = 0;

    virtual void untickAuto() = 0;
    virtual void setSignalOffset(std::int32_t offset) = 0;
    // Starts the auto-send timer, or restarts it with the new period.
    virtual void startAutoSendTimer(std::uint32_t periodMs) = 0;
    virtual void stopAutoSendTimer() = 0;

    // Connection. writeBytes (from SentenceOutput) is called only for a port.
    virtual ConnectionKind connectionKind() = 0;
    // The four steps of a reopen at another rate.
    // Ends the reader and closes the handle.
    virtual void withdrawPort() = 0;
    // Opens the last path again at the rate, with line settings and timeouts
    // set again; the handle is not published yet. Returns 1, or 0 on failure.
    virtual int reopenPort(int baudIndex) = 0;
    // Purges transmit then receive buffer, clears errors, publishes the handle
    // and reads from it again. Returns 1, or 0 when it cannot be read.
    virtual int publishPort() = 0;
    // Purges transmit then receive buffer and clears errors on the handle.
    virtual void purgePort() = 0;
    // A reopen step failed: the rest of the command is dropped, and the
    // connection, left without a port, is to be closed.
    virtual void reopenFailed() = 0;
};
