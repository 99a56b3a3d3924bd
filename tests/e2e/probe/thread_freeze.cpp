#include "thread_freeze.h"

#include <tlhelp32.h>

ThreadFreeze::ThreadFreeze(DWORD processId, DWORD keepRunningThreadId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        allHeld = false;
        return;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId || entry.th32ThreadID == keepRunningThreadId) {
            continue;
        }
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
        if (thread == nullptr || heldCount == maxThreads ||
            SuspendThread(thread) == static_cast<DWORD>(-1)) {
            if (thread != nullptr) {
                CloseHandle(thread);
            }
            allHeld = false;
            continue;
        }
        threads[heldCount++] = thread;
    }
    CloseHandle(snapshot);
}

ThreadFreeze::~ThreadFreeze() {
    for (std::size_t i = 0; i < heldCount; ++i) {
        ResumeThread(threads[i]);
        CloseHandle(threads[i]);
    }
}
