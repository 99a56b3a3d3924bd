#pragma once
// The connection to one receiver: a serial port at one of eight rates, or a
// recorded log replayed in place of a port, read by one reader thread. The
// main window owns it; everything here runs on the user-interface thread.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "serial/port_label.h"
#include "serial/reader_thread_win32.h"

class LineBatch;

// How long a start, a stop or the window's end waits for a reader to end.
constexpr DWORD readerStopLimitMs = 2000;

class SerialConnection {
public:
    SerialConnection() = default;
    ~SerialConnection();
    SerialConnection(const SerialConnection&) = delete;
    SerialConnection& operator=(const SerialConnection&) = delete;

    // Opens the path (a serial port at the rate, or a recording to replay) and
    // starts its reader, which sends each batch of received lines to the
    // receiver and waits until it is handled. A reader left from an earlier
    // connection is stopped first, and what it hands over meanwhile is dropped.
    // Returns 1 when the connection is open, 0 otherwise.
    int open(const PortPath& path, bool isReplay, int baudIndex, LineReceiver receiver);
    // Stops a reader left from an earlier connection, dropping what it hands
    // over meanwhile. Returns 1 when none is left, 0 when one still runs.
    int discardLeftoverReader();
    // Stops the reader (the lines it hands over meanwhile are still taken in,
    // so nothing arrives after this returns) and closes the port. Returns 1.
    int close();

    // An open handle, or a reopen between withdrawing one handle and
    // publishing the next: the operator's connection goes on through it.
    bool active() const;
    bool hasPort() const { return port != INVALID_HANDLE_VALUE; }
    bool isReplay() const { return replaying; }
    // A port whose device still answers; an unplugged or vanished receiver's
    // port refuses even a look at its state.
    bool portResponds() const;
    // The port's device path or the replayed file's, as last opened.
    const PortPath& sourcePath() const { return path; }

    // The batch a message's lParam carries, when it is the one the current
    // reader is handing over right now; null for anything else, such as a
    // message from another program. Call finishHandedOverBatch when done.
    LineBatch* acceptHandedOverBatch(LPARAM lParam);
    void finishHandedOverBatch() { takingBatch = false; }
    // True while a start waits for an earlier reader: its lines belong to no connection.
    bool dropsHandedOverLines() const { return droppingLines; }

    // One write of all the bytes, which does not wait behind a pending read.
    // Returns 1 when all were written, 0 otherwise (no port, a replay, a failure).
    int writeToPort(const std::uint8_t* bytes, std::size_t count);

    // A reopen at another rate, in the steps a command times: withdraw the
    // port (the reader ends, the handle is closed), reopen the path at the
    // rate (0 when it cannot be opened), publish the new handle with a new
    // reader, purge the published handle.
    void withdrawPort();
    int reopenPort(int baudIndex);
    int publishPort();
    void purgePort();

private:
    int startReader();
    void signalReaderStop();
    int waitForReaderEnd(DWORD timeoutMs);
    void closePort();
    void closeReopened();

    PortPath path;
    bool replaying = false;
    HANDLE port = INVALID_HANDLE_VALUE;
    // A reopen runs in timed steps: between withdrawing the old handle and
    // publishing the new one the connection lives on without a handle.
    bool reopening = false;
    HANDLE reopened = INVALID_HANDLE_VALUE;
    HANDLE writeEvent = nullptr;

    LineReceiver lineReceiver;
    ReaderContext* reader = nullptr;
    HANDLE readerThread = nullptr;
    bool takingBatch = false;
    bool droppingLines = false;
};
