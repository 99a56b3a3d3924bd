// The stand-in's serial port, opened and set up the way the program opens its port (the
// same line settings, timeouts, purges and one-byte reads), so that what the bench
// proves about Wine's serial layer holds for the program too. Every received byte is
// also written to the capture file for a byte-exact comparison.

#include <cwchar>
#include <iterator>

#include "stand_in.h"

namespace {

HANDLE port = INVALID_HANDLE_VALUE;
HANDLE capture = INVALID_HANDLE_VALUE;
HANDLE reader = nullptr;
volatile LONG readerRunning = 0;
HWND owner = nullptr;

void configure(HANDLE handle) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(handle, &dcb);
    dcb.BaudRate = 921600;
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
    SetCommState(handle, &dcb);
    COMMTIMEOUTS timeouts{};
    GetCommTimeouts(handle, &timeouts);
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = 100;
    timeouts.WriteTotalTimeoutMultiplier = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 100;
    SetCommTimeouts(handle, &timeouts);
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(handle, &errors, &status);
    PurgeComm(handle, PURGE_TXCLEAR);
    PurgeComm(handle, PURGE_RXCLEAR);
    ClearCommError(handle, &errors, &status);
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    SetCommState(handle, &dcb);
}

// Under Wine a port whose device went away still answers reads (empty, after the read
// timeout) but refuses ClearCommError; that is how the reader notices the loss. As in the
// program, the error state is looked at between lines, and bytes are read one at a time.
void keep(const char* bytes, std::size_t count) {
    DWORD written = 0;
    WriteFile(capture, bytes, static_cast<DWORD>(count), &written, nullptr);
}

DWORD WINAPI readLines(LPVOID) {
    char line[lineCapacity];
    std::size_t length = 0;
    bool lost = false;
    while (!lost && InterlockedCompareExchange(&readerRunning, 1, 1) == 1) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(port, &errors, &status)) {
            PostMessageW(owner, WM_STAND_IN_PORT_LOST, GetLastError(), 0);
            lost = true;
        }
        char byte = 0;
        DWORD got = 0;
        while (!lost && ReadFile(port, &byte, 1, &got, nullptr) && got == 1) {
            if (length + 1 == sizeof line) {  // an overlong line is kept in pieces
                keep(line, length);
                length = 0;
            }
            line[length++] = byte;
            if (byte == '\n') {
                keep(line, length);
                line[length] = 0;
                SendMessageW(owner, WM_STAND_IN_LINE, 0, reinterpret_cast<LPARAM>(line));
                length = 0;
                break;
            }
        }
    }
    keep(line, length);  // the bytes of an unfinished line are kept too
    return 0;
}

// Waits for the reader while still answering its line messages, or both would wait for
// each other.
void joinReader() {
    InterlockedExchange(&readerRunning, 0);
    while (MsgWaitForMultipleObjects(1, &reader, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(reader);
    reader = nullptr;
}

}  // namespace

bool openPort(const wchar_t* portName, HWND window) {
    wchar_t path[64];
    std::swprintf(path, std::size(path), L"\\\\.\\%ls", portName);
    port = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        return false;
    }
    configure(port);
    capture = CreateFileW(STAND_IN_CAPTURE_FILE, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetFilePointer(capture, 0, nullptr, FILE_END);
    owner = window;
    InterlockedExchange(&readerRunning, 1);
    reader = CreateThread(nullptr, 0, readLines, nullptr, 0, nullptr);
    return reader != nullptr;
}

void closePort() {
    if (reader != nullptr) {
        joinReader();
    }
    if (port != INVALID_HANDLE_VALUE) {
        CloseHandle(port);
        port = INVALID_HANDLE_VALUE;
    }
    if (capture != INVALID_HANDLE_VALUE) {
        CloseHandle(capture);
        capture = INVALID_HANDLE_VALUE;
    }
}

bool portIsOpen() {
    return port != INVALID_HANDLE_VALUE;
}

bool writePort(const char* bytes, std::size_t count) {
    DWORD written = 0;
    return port != INVALID_HANDLE_VALUE &&
           WriteFile(port, bytes, static_cast<DWORD>(count), &written, nullptr) && written == count;
}
