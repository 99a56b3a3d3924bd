#pragma once
// One reader thread per published port handle: it reads with overlapped I/O,
// filters the bytes into its line ring, and hands each read's finished lines
// to the user-interface thread with one synchronous message.

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "serial/byte_ring.h"
#include "serial/line_batch.h"

// Whom a reader hands its lines to, and with which message (lParam: the batch).
struct LineReceiver {
    HWND window = nullptr;
    UINT message = 0;
};

// Everything one reader keeps; made on the heap (too large for a stack) and
// deleted only once its thread has ended.
struct ReaderContext {
    HANDLE port = INVALID_HANDLE_VALUE;  // read only, never closed by the reader
    bool isFile = false;                 // a replayed recording: reads carry an offset
    LineReceiver receiver;
    // Told to stop: the flag is read on every pass (an event's state is a
    // round trip through Wine's server), the event wakes a read that waits.
    std::atomic<bool> stopping{false};
    HANDLE stopEvent = nullptr;
    // True from just before the hand-off message is sent until it has returned.
    // Once the stop event is set, a reader in a hand-off never touches its port again.
    std::atomic<bool> handingOver{false};

    std::uint8_t bytes[16384];
    ByteRing lineRing;
    LineBatch batch;
};

// Starts a reader on the context; returns its thread, or null when none started.
HANDLE startReaderThread(ReaderContext* context);
