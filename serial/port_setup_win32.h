#pragma once
// Opening and setting up a serial port (or a recording read in its place).

#include <windows.h>

#include "serial/port_label.h"

// Opened for overlapped I/O, so that a write never waits behind the reader's
// pending read. A recording is opened for reading only: nothing can change it.
HANDLE openPortPath(const PortPath& path, bool isRecording);

// 8N1, no flow control, DTR and RTS raised once the buffers are purged, and
// the read and write timeouts. Failures are ignored: a driver that refuses a
// setting still delivers what it receives.
void configurePort(HANDLE port, int baudIndex);

// Only the rate changes; the timeouts are set again because a fresh handle
// need not carry them, and a read without them could wait for good.
void setPortRate(HANDLE port, int baudIndex);

// Purges the transmit then the receive buffer and clears the errors.
void purgePortBuffers(HANDLE port);
