#include "port_setup_win32.h"

#include "base/wide_win32.h"
#include "serial/baud_rates.h"

namespace {

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

}  // namespace

HANDLE openPortPath(const PortPath& path, bool isRecording) {
    const DWORD access = isRecording ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    return CreateFileW(asWide(path.c_str()), access, 0, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OVERLAPPED, nullptr);
}

// DTR and RTS are held low until the buffers are purged.
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

void setPortRate(HANDLE port, int baudIndex) {
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = baudRates[isBaudIndex(baudIndex) ? baudIndex : 0];
    SetCommState(port, &dcb);
    setTimeouts(port);
}

void purgePortBuffers(HANDLE port) {
    PurgeComm(port, PURGE_TXCLEAR);
    PurgeComm(port, PURGE_RXCLEAR);
    DWORD errors = 0;
    ClearCommError(port, &errors, nullptr);
}
