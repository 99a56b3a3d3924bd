#pragma once
// The connection to one receiver: a serial port at one of eight rates, or a
// recorded log replayed in place of a port, read by one reader thread.

#include <windows.h>

#include <atomic>

#include "serial/baud_rates.h"
#include "serial/port_label.h"

// Absent (INVALID_HANDLE_VALUE) when there is no connection and during a reopen.
extern std::atomic<HANDLE> portHandle;
extern std::atomic<LONG> readerRunning;
extern PortPath portPath;

inline bool connectionOpen() {
    return portHandle.load() != INVALID_HANDLE_VALUE;
}

// Opens the path (a serial port at the rate, or a recording to replay) and
// starts its reader, which sends each batch of received lines to the window
// with the message (lParam: the batch) and waits until it is handled.
// Returns 1 when the connection is open, 0 otherwise.
int openConnection(const PortPath& path, bool isReplay, int baudIndex, HWND notifyWindow,
                   UINT lineMessage);
int closeConnection();
// An open handle, or a reopen between withdrawing one handle and publishing
// the next: the operator's connection goes on through it.
bool connectionActive();

// A reopen at another rate, in the steps a command times: withdraw and close
// the handle (the reader waits), open the path again at the rate (1, or 0
// when it cannot be opened: the connection is then left without a handle),
// purge and publish the new handle. purgePort purges the published one.
void withdrawPortForReopen();
int reopenPort(int baudIndex);
void publishReopenedPort();
void purgePort();

// How long a start, or the window's end, waits for an earlier reader to end.
constexpr DWORD readerStopLimitMs = 2000;

// Stops a reader left from an earlier connection and waits until it has ended,
// still answering the line-ready message it may be sending meanwhile. Returns 1
// when no reader is left, 0 when one is still running after the wait.
int stopReader(DWORD timeoutMs);
// True while stopReader waits: a line handed over then must not be taken in.
bool readerBeingStopped();
// True while the connection (open or being reopened) is a replayed recording.
bool connectionIsReplay();
