#pragma once
// The program's process: to wait until it has handled what was posted to it, to wait for
// its end and read its exit code, and to hold memory for rich-edit messages.

#include <windows.h>

enum class WaitResult { Done, TimedOut, Failed };

class TargetProcess {
public:
    TargetProcess() = default;
    ~TargetProcess();
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    // Opens the process, or keeps the handle when it is the same process as before.
    bool open(DWORD processId);
    HANDLE handle() const { return handle_; }

    // Until its user-interface thread waits for input with nothing left in its queue.
    WaitResult waitIdle(DWORD timeoutMs) const;
    WaitResult waitExit(DWORD timeoutMs, DWORD* exitCode) const;

private:
    HANDLE handle_ = nullptr;
    DWORD processId_ = 0;
};
