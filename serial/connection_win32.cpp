#include "connection_win32.h"

#include "base/wide_win32.h"
#include "serial/line_batch.h"

std::atomic<HANDLE> portHandle{INVALID_HANDLE_VALUE};
std::atomic<LONG> readerRunning{1};
PortPath portPath;

namespace {

// Whom a reader hands its lines to, and with which message.
struct LineReceiver {
    HWND window;
    UINT message;
};

HANDLE readerThreadHandle = nullptr;
// Written only while no reader runs; the reader takes a copy as it starts.
LineReceiver lineReceiver = {nullptr, 0};
// Set while the user-interface thread waits for a reader to end; a line that
// reader hands over meanwhile belongs to no connection.
bool stoppingReader = false;
bool replaying = false;
// A reopen runs in timed steps: between withdrawing the old handle and
// publishing the new one the connection lives on without a handle.
bool reopening = false;
HANDLE reopenedHandle = INVALID_HANDLE_VALUE;

// Lets the other thread see the withdrawn handle before it is closed.
void closeTakenHandle() {
    const HANDLE taken = portHandle.exchange(INVALID_HANDLE_VALUE);
    if (taken != INVALID_HANDLE_VALUE) {
        CloseHandle(taken);
    }
}

// A recording is opened for reading only: nothing can change it.
HANDLE openPath() {
    const DWORD access = replaying ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    return CreateFileW(asWide(portPath.c_str()), access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

// A read returns at once with the bytes that wait, else within 100 ms.
void setTimeouts(HANDLE port) {
    COMMTIMEOUTS timeouts;
    GetCommTimeouts(port, &timeouts);
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = 100;
    timeouts.WriteTotalTimeoutMultiplier = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 100;
    SetCommTimeouts(port, &timeouts);
}

void purge(HANDLE port) {
    PurgeComm(port, PURGE_TXCLEAR);
    PurgeComm(port, PURGE_RXCLEAR);
    DWORD errors = 0;
    ClearCommError(port, &errors, nullptr);
}

void closeReopenedHandle() {
    if (reopenedHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(reopenedHandle);
        reopenedHandle = INVALID_HANDLE_VALUE;
    }
    reopening = false;
}

// 8N1, no flow control; DTR and RTS held low at first, raised once the
// buffers are purged. Failures are ignored: a driver that refuses a setting
// still delivers what it receives.
void configurePort(HANDLE port, int baudIndex) {
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = baudRates[baudIndex];
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = 1;
    dcb.fParity = 0;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fNull = 0;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fAbortOnError = 1;
    SetCommState(port, &dcb);
    setTimeouts(port);

    DWORD errors = 0;
    ClearCommError(port, &errors, nullptr);
    PurgeComm(port, PURGE_TXCLEAR);
    PurgeComm(port, PURGE_RXCLEAR);
    ClearCommError(port, &errors, nullptr);

    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    SetCommState(port, &dcb);
    ClearCommError(port, &errors, nullptr);
}

// The published handle, waited for while a reopen has withdrawn it; absent
// once the reader is told to stop.
HANDLE waitForHandle() {
    HANDLE port = portHandle.load();
    while (port == INVALID_HANDLE_VALUE) {
        if (readerRunning.load() == 0) {
            return INVALID_HANDLE_VALUE;
        }
        Sleep(10);
        port = portHandle.load();
    }
    return port;
}

// A read that ends at once without a byte (the end of a replayed file, a port
// that vanished) must not turn the reader into a busy loop.
void pauseAfterIdleRead(DWORD readStarted) {
    if (GetTickCount() - readStarted < 5) {
        Sleep(10);
    }
}

// The reader's side of the hand-off: the batch goes to the user-interface
// thread with one synchronous message, which returns once every line in it
// has been through the intake. Returns false when the connection ended
// meanwhile.
struct LineHandOver {
    LineReceiver receiver;
    LONG* lastSeenRunning;

    bool operator()(LineBatch& batch) const {
        SendMessageW(receiver.window, receiver.message, 0, reinterpret_cast<LPARAM>(&batch));
        batch.clear();
        *lastSeenRunning = readerRunning.load();
        return *lastSeenRunning == 1;
    }
};

// Everything a reader thread keeps: a read, the line being received, and
// the lines finished since the last hand-off.
struct ReaderBuffers {
    std::uint8_t bytes[16384];
    ByteRing lineRing;
    LineBatch batch;
};

// Reads until the connection ends. A read returns at once with the bytes that
// wait, or within 100 ms with none; taking all waiting bytes in one call
// (rather than one per call) lets the reader drain a 921,600-baud line, and
// handing a read's lines over together lets a replay run at file speed.
DWORD WINAPI readerThread(LPVOID parameter) {
    const LineReceiver receiver = *static_cast<const LineReceiver*>(parameter);
    LONG lastSeenRunning = 1;
    ReaderBuffers* buffers = new ReaderBuffers;  // too large for a thread's stack
    buffers->lineRing.init(lineRingCapacity);
    const LineHandOver handOver{receiver, &lastSeenRunning};
    for (;;) {
        const HANDLE port = waitForHandle();
        if (port == INVALID_HANDLE_VALUE) {
            break;
        }
        DWORD errors = 0;
        ClearCommError(port, &errors, nullptr);  // lifts the abort-on-error state
        DWORD got = 0;
        const DWORD readStarted = GetTickCount();
        const BOOL ok = ReadFile(port, buffers->bytes, sizeof buffers->bytes, &got, nullptr);
        lastSeenRunning = readerRunning.load();
        if (!ok && lastSeenRunning == 0) {
            break;
        }
        if (got == 0) {
            pauseAfterIdleRead(readStarted);
        } else if (!gatherLines(buffers->lineRing, buffers->batch, buffers->bytes, got, handOver)) {
            break;
        }
        if (lastSeenRunning != 1) {
            break;
        }
    }
    delete buffers;
    return 0;
}

int startReader(LineReceiver receiver) {
    lineReceiver = receiver;
    readerRunning.store(1);
    readerThreadHandle = CreateThread(nullptr, 0, readerThread, &lineReceiver, 0, nullptr);
    return readerThreadHandle != nullptr ? 1 : 0;
}

}  // namespace

int stopReader(DWORD timeoutMs) {
    if (readerThreadHandle == nullptr) {
        return 1;
    }
    readerRunning.store(0);
    stoppingReader = true;
    const DWORD start = GetTickCount();
    DWORD result = WAIT_TIMEOUT;
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs) {
            break;
        }
        result = MsgWaitForMultipleObjects(1, &readerThreadHandle, FALSE, timeoutMs - waited,
                                           QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) {
            break;
        }
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    stoppingReader = false;
    if (result != WAIT_OBJECT_0) {
        return 0;  // still alive: kept, and waited for again at the next start
    }
    CloseHandle(readerThreadHandle);
    readerThreadHandle = nullptr;
    return 1;
}

bool readerBeingStopped() {
    return stoppingReader;
}

bool connectionIsReplay() {
    return replaying;
}

int openConnection(const PortPath& path, bool isReplay, int baudIndex, HWND notifyWindow,
                   UINT lineMessage) {
    closeTakenHandle();
    // Two readers never run at once: one left from an earlier connection that
    // does not end in time fails this start rather than share the ring.
    if (!stopReader(readerStopLimitMs)) {
        return 0;
    }
    replaying = isReplay;
    portPath.assign(path.c_str());
    const HANDLE opened = openPath();
    if (opened == INVALID_HANDLE_VALUE) {
        return 0;
    }
    if (!replaying) {
        configurePort(opened, baudIndex);
    }
    portHandle.store(opened);
    return startReader(LineReceiver{notifyWindow, lineMessage});
}

int closeConnection() {
    readerRunning.store(0);
    Sleep(100);  // the read timeout: a reader inside a read sees the flag first
    closeTakenHandle();
    closeReopenedHandle();
    Sleep(100);
    return 1;
}

bool connectionActive() {
    return connectionOpen() || reopening;
}

// Without a connection there is nothing to reopen: no step may open a port
// the operator has closed.
void withdrawPortForReopen() {
    const bool active = connectionActive();
    closeTakenHandle();
    closeReopenedHandle();
    reopening = active;
}

// Only the rate changes; the timeouts are set again because a fresh handle
// need not carry them, and a read without them could block for good.
int reopenPort(int baudIndex) {
    if (!reopening) {
        return 0;
    }
    closeReopenedHandle();
    const HANDLE opened = openPath();
    if (opened == INVALID_HANDLE_VALUE) {
        return 0;  // the reader waits for a handle; the next toggle starts afresh
    }
    if (!replaying) {
        DCB dcb;
        ZeroMemory(&dcb, sizeof dcb);
        dcb.DCBlength = sizeof dcb;
        GetCommState(opened, &dcb);
        dcb.BaudRate = baudRates[isBaudIndex(baudIndex) ? baudIndex : 0];
        SetCommState(opened, &dcb);
        setTimeouts(opened);
    }
    reopenedHandle = opened;
    reopening = true;
    return 1;
}

void publishReopenedPort() {
    if (reopenedHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    purge(reopenedHandle);
    portHandle.store(reopenedHandle);
    reopenedHandle = INVALID_HANDLE_VALUE;
    reopening = false;
}

void purgePort() {
    const HANDLE port = portHandle.load();
    if (port != INVALID_HANDLE_VALUE) {
        purge(port);
    }
}
