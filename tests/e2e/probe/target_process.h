#pragma once
// The program's process: to wait for its end and read its exit code, and to hold memory
// for rich-edit messages.

#include <windows.h>

enum class WaitResult { done, timedOut, failed };

class TargetProcess {
public:
    TargetProcess() = default;
    ~TargetProcess();
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    // Opens the process, or keeps the handle when it is the same process as before.
    bool open(DWORD processId);
    HANDLE handle() const { return processHandle; }

    WaitResult waitExit(DWORD timeoutMs, DWORD* exitCode) const;

private:
    HANDLE processHandle = nullptr;
    DWORD openedId = 0;
};
