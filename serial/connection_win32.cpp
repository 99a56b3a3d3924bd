#include "connection_win32.h"

#include "serial/port_setup_win32.h"

namespace {

// A write waits this long at most; the port's own write timeout is shorter.
constexpr DWORD writeLimitMs = 2000;

}  // namespace

SerialConnection::~SerialConnection() {
    close();
    if (writeEvent != nullptr) {
        CloseHandle(writeEvent);
    }
}

int SerialConnection::open(const PortPath& newPath, bool isReplay, int baudIndex,
                           LineReceiver receiver) {
    // Two readers never run at once: one left from an earlier connection that
    // does not end in time fails this start rather than share the state.
    const int ended = discardLeftoverReader();
    closePort();
    closeReopened();
    reopening = false;
    if (!ended) {
        return 0;
    }
    replaying = isReplay;
    path.assign(newPath.c_str());
    const HANDLE opened = openPortPath(path, replaying);
    if (opened == INVALID_HANDLE_VALUE) {
        return 0;
    }
    if (!replaying) {
        configurePort(opened, baudIndex);
    }
    port = opened;
    lineReceiver = receiver;
    if (!startReader()) {
        closePort();
        return 0;
    }
    return 1;
}

int SerialConnection::discardLeftoverReader() {
    droppingLines = true;
    signalReaderStop();
    const int ended = waitForReaderEnd(readerStopLimitMs);
    droppingLines = false;
    return ended;
}

int SerialConnection::close() {
    signalReaderStop();
    waitForReaderEnd(readerStopLimitMs);
    closePort();
    closeReopened();
    reopening = false;
    return 1;
}

bool SerialConnection::portResponds() const {
    DWORD errors = 0;
    return hasPort() && !replaying && ClearCommError(port, &errors, nullptr) != 0;
}

bool SerialConnection::active() const {
    return hasPort() || reopening;
}

LineBatch* SerialConnection::acceptHandedOverBatch(LPARAM lParam) {
    if (reader == nullptr || !reader->handingOver.load() ||
        lParam != reinterpret_cast<LPARAM>(&reader->batch) || takingBatch) {
        return nullptr;
    }
    takingBatch = true;
    return &reader->batch;
}

int SerialConnection::writeToPort(const std::uint8_t* bytes, std::size_t count) {
    if (!hasPort() || replaying || count > MAXDWORD) {
        return 0;
    }
    if (writeEvent == nullptr) {
        writeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (writeEvent == nullptr) {
            return 0;
        }
    }
    OVERLAPPED overlapped;
    ZeroMemory(&overlapped, sizeof overlapped);
    overlapped.hEvent = writeEvent;
    ResetEvent(writeEvent);
    DWORD written = 0;
    if (!WriteFile(port, bytes, static_cast<DWORD>(count), &written, &overlapped)) {
        if (GetLastError() != ERROR_IO_PENDING) {
            return 0;
        }
        if (WaitForSingleObject(writeEvent, writeLimitMs) != WAIT_OBJECT_0) {
            CancelIo(port);
        }
        if (!GetOverlappedResult(port, &overlapped, &written, TRUE)) {
            return 0;
        }
    }
    return written == count ? 1 : 0;
}

// Without a connection there is nothing to reopen: no step may open a port
// the operator has closed. The reader is told to stop; unless it is inside a
// hand-off (then it ends as that returns and never touches the port again),
// it is waited for before the handle goes.
void SerialConnection::withdrawPort() {
    const bool wasActive = active();
    signalReaderStop();
    if (reader != nullptr && !reader->handingOver.load()) {
        waitForReaderEnd(readerStopLimitMs);
    }
    closePort();
    closeReopened();
    reopening = wasActive;
}

// The withdrawn reader must be gone before another can start.
int SerialConnection::reopenPort(int baudIndex) {
    if (!reopening || !waitForReaderEnd(readerStopLimitMs)) {
        return 0;
    }
    closeReopened();
    const HANDLE opened = openPortPath(path, replaying);
    if (opened == INVALID_HANDLE_VALUE) {
        return 0;  // the connection waits without a handle until it is closed
    }
    if (!replaying) {
        setPortRate(opened, baudIndex);
    }
    reopened = opened;
    return 1;
}

int SerialConnection::publishPort() {
    if (reopened == INVALID_HANDLE_VALUE) {
        return 1;
    }
    purgePortBuffers(reopened);
    port = reopened;
    reopened = INVALID_HANDLE_VALUE;
    reopening = false;
    if (!startReader()) {
        closePort();
        return 0;
    }
    return 1;
}

void SerialConnection::purgePort() {
    if (hasPort()) {
        purgePortBuffers(port);
    }
}

int SerialConnection::startReader() {
    ReaderContext* context = new ReaderContext;
    context->port = port;
    context->isFile = replaying;
    context->receiver = lineReceiver;
    context->stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    context->lineRing.init(lineRingCapacity);
    const HANDLE thread =
        context->stopEvent != nullptr ? startReaderThread(context) : nullptr;
    if (thread == nullptr) {
        if (context->stopEvent != nullptr) {
            CloseHandle(context->stopEvent);
        }
        delete context;
        return 0;
    }
    reader = context;
    readerThread = thread;
    return 1;
}

void SerialConnection::signalReaderStop() {
    if (reader != nullptr) {
        reader->stopping.store(true);
        SetEvent(reader->stopEvent);
    }
}

// Waits for a reader told to stop, still answering the hand-off it may be
// sending meanwhile (else the two threads would wait for each other). Inside
// a hand-off the reader cannot end before it returns, so there is no wait.
// Returns 1 when no reader is left, 0 when one still runs (kept, and waited
// for again later).
int SerialConnection::waitForReaderEnd(DWORD timeoutMs) {
    if (reader == nullptr) {
        return 1;
    }
    if (takingBatch) {
        return 0;
    }
    const DWORD start = GetTickCount();
    DWORD result = WAIT_TIMEOUT;
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs) {
            break;
        }
        result = MsgWaitForMultipleObjects(1, &readerThread, FALSE, timeoutMs - waited,
                                           QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) {
            break;
        }
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (result != WAIT_OBJECT_0) {
        return 0;
    }
    CloseHandle(readerThread);
    CloseHandle(reader->stopEvent);
    delete reader;
    readerThread = nullptr;
    reader = nullptr;
    return 1;
}

void SerialConnection::closePort() {
    if (port != INVALID_HANDLE_VALUE) {
        CloseHandle(port);
        port = INVALID_HANDLE_VALUE;
    }
}

void SerialConnection::closeReopened() {
    if (reopened != INVALID_HANDLE_VALUE) {
        CloseHandle(reopened);
        reopened = INVALID_HANDLE_VALUE;
    }
}
