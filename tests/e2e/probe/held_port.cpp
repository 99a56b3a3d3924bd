#include "held_port.h"

#include <cwchar>

HeldPort::~HeldPort() {
    release();
}

bool HeldPort::hold(int number, DWORD* error) {
    if (holding()) {
        *error = ERROR_BUSY;
        return false;
    }
    wchar_t path[32];
    std::swprintf(path, sizeof path / sizeof path[0], L"\\\\.\\COM%d", number);
    handle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        return false;
    }
    *error = ERROR_SUCCESS;
    return true;
}

bool HeldPort::release() {
    if (!holding()) {
        return false;
    }
    CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    return true;
}
