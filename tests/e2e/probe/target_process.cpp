#include "target_process.h"

TargetProcess::~TargetProcess() {
    if (processHandle != nullptr) {
        CloseHandle(processHandle);
    }
}

bool TargetProcess::open(DWORD processId) {
    if (processHandle != nullptr && processId == openedId) {
        return true;
    }
    if (processHandle != nullptr) {
        CloseHandle(processHandle);
    }
    processHandle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                    PROCESS_VM_READ | PROCESS_VM_WRITE,
                                FALSE, processId);
    openedId = processHandle != nullptr ? processId : 0;
    return processHandle != nullptr;
}

WaitResult TargetProcess::waitExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (processHandle == nullptr) {
        return WaitResult::failed;
    }
    const DWORD result = WaitForSingleObject(processHandle, timeoutMs);
    if (result == WAIT_TIMEOUT) {
        return WaitResult::timedOut;
    }
    if (result != WAIT_OBJECT_0 || !GetExitCodeProcess(processHandle, exitCode)) {
        return WaitResult::failed;
    }
    return WaitResult::done;
}
