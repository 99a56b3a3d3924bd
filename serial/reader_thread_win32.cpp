#include "reader_thread_win32.h"

namespace {

bool stopRequested(const ReaderContext& reader) {
    return reader.stopping.load();
}

// A read that ends at once without a byte (the end of a replayed file, a port
// that vanished) must not turn the reader into a busy loop. Returns false
// when the reader is told to stop meanwhile.
bool pauseAfterIdleRead(const ReaderContext& reader) {
    return WaitForSingleObject(reader.stopEvent, 10) != WAIT_OBJECT_0;
}

// The reader's side of the hand-off: the batch goes to the user-interface
// thread with one synchronous message, which returns once every line in it
// has been through the intake. Returns false when the reader is to stop.
struct LineHandOver {
    ReaderContext* reader;

    bool operator()(LineBatch& batch) const {
        reader->handingOver.store(true);
        SendMessageW(reader->receiver.window, reader->receiver.message, 0,
                     reinterpret_cast<LPARAM>(&batch));
        reader->handingOver.store(false);
        batch.clear();
        return !stopRequested(*reader);
    }
};

// One overlapped read of up to `count` bytes into `into`, waited for
// together with the stop event. Returns false when the reader is to stop;
// `got` holds the bytes read (0 for none).
bool readOverlapped(ReaderContext& reader, OVERLAPPED& overlapped, std::uint64_t offset,
                    std::uint8_t* into, DWORD count, DWORD* got) {
    *got = 0;
    overlapped.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
    ResetEvent(overlapped.hEvent);
    if (ReadFile(reader.port, into, count, got, &overlapped)) {
        return true;
    }
    if (GetLastError() != ERROR_IO_PENDING) {
        return true;  // the end of a file, or a port that fails: nothing read
    }
    const HANDLE waits[2] = {reader.stopEvent, overlapped.hEvent};
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    if (woken != WAIT_OBJECT_0 + 1) {
        CancelIo(reader.port);
        GetOverlappedResult(reader.port, &overlapped, got, TRUE);  // the buffer is ours again
        return false;
    }
    if (!GetOverlappedResult(reader.port, &overlapped, got, FALSE)) {
        *got = 0;
    }
    return true;
}

// A read of bytes the port is known to hold: it completes at once, so it goes
// without an event (setting one is a round trip through Wine's server), and
// in the rare case it does not, it is waited for on the port itself.
void readWaitingBytes(HANDLE port, std::uint8_t* into, DWORD count, DWORD* got) {
    OVERLAPPED overlapped;
    ZeroMemory(&overlapped, sizeof overlapped);
    *got = 0;
    if (ReadFile(port, into, count, got, &overlapped)) {
        return;
    }
    if (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(port, &overlapped, got, TRUE)) {
        *got = 0;
    }
}

// Bytes the port holds now; also lifts the abort-on-error state.
DWORD bytesWaiting(HANDLE port) {
    DWORD errors = 0;
    COMSTAT status;
    ZeroMemory(&status, sizeof status);
    return ClearCommError(port, &errors, &status) ? status.cbInQue : 0;
}

// A busy line refills within a few milliseconds; a read that must wait for
// its first byte costs far more (under Wine, a round trip through its server
// for every read), so the reader looks again once before waiting in a read.
// The pause also gathers more of a fast stream into each hand-off.
constexpr DWORD refillMs = 5;

// What waits at the port, or else the first byte to come and what came with
// it. An overlapped read asks only for bytes known to be there (or for one):
// a driver may hold a larger read until it is filled, whatever the read
// timeouts say, as Wine does.
bool readPort(ReaderContext& reader, OVERLAPPED& overlapped, DWORD* got) {
    *got = 0;
    DWORD waiting = bytesWaiting(reader.port);
    if (waiting == 0) {
        Sleep(refillMs);
        if (stopRequested(reader)) {
            return false;
        }
        waiting = bytesWaiting(reader.port);
    }
    if (waiting == 0) {
        if (!readOverlapped(reader, overlapped, 0, reader.bytes, 1, got)) {
            return false;
        }
        if (*got == 0) {
            return true;
        }
        waiting = bytesWaiting(reader.port);
    }
    const DWORD room = static_cast<DWORD>(sizeof reader.bytes) - *got;
    if (waiting == 0) {
        return true;
    }
    DWORD more = 0;
    readWaitingBytes(reader.port, reader.bytes + *got, waiting < room ? waiting : room, &more);
    *got += more;
    return true;
}

// Reads until told to stop. Taking all waiting bytes in one call lets the
// reader drain a 921,600-baud line, and handing a read's lines over together
// lets a replay run at file speed.
DWORD WINAPI readerThread(LPVOID parameter) {
    ReaderContext& reader = *static_cast<ReaderContext*>(parameter);
    OVERLAPPED overlapped;
    ZeroMemory(&overlapped, sizeof overlapped);
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (overlapped.hEvent == nullptr) {
        return 1;
    }
    const LineHandOver handOver{&reader};
    std::uint64_t fileOffset = 0;
    while (!stopRequested(reader)) {
        DWORD got = 0;
        const bool going =
            reader.isFile ? readOverlapped(reader, overlapped, fileOffset, reader.bytes,
                                           sizeof reader.bytes, &got)
                          : readPort(reader, overlapped, &got);
        if (!going) {
            break;
        }
        fileOffset += got;
        if (got == 0) {
            if (!pauseAfterIdleRead(reader)) {
                break;
            }
        } else if (!gatherLines(reader.lineRing, reader.batch, reader.bytes, got, handOver)) {
            break;
        }
    }
    CloseHandle(overlapped.hEvent);
    return 0;
}

}  // namespace

HANDLE startReaderThread(ReaderContext* context) {
    return CreateThread(nullptr, 0, readerThread, context, 0, nullptr);
}
