#pragma once
// A COM port the probe holds open without sharing, as another program on the same machine
// would, until it is told to let go.

#include <windows.h>

class HeldPort {
public:
    HeldPort() = default;
    ~HeldPort();
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;

    // Opens \\.\COM<number> for reading and writing, shared with nobody. False (with
    // GetLastError's code) when it cannot be opened or a port is held already.
    bool hold(int number, DWORD* error);
    // Closes the port; false when none was held.
    bool release();
    bool holding() const { return handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle = INVALID_HANDLE_VALUE;
};
