#include "target_process.h"

TargetProcess::~TargetProcess() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

bool TargetProcess::open(DWORD processId) {
    if (handle_ != nullptr && processId == processId_) {
        return true;
    }
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
    handle_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                              PROCESS_VM_READ | PROCESS_VM_WRITE,
                          FALSE, processId);
    processId_ = handle_ != nullptr ? processId : 0;
    return handle_ != nullptr;
}

WaitResult TargetProcess::waitExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (handle_ == nullptr) {
        return WaitResult::Failed;
    }
    const DWORD result = WaitForSingleObject(handle_, timeoutMs);
    if (result == WAIT_TIMEOUT) {
        return WaitResult::TimedOut;
    }
    if (result != WAIT_OBJECT_0 || !GetExitCodeProcess(handle_, exitCode)) {
        return WaitResult::Failed;
    }
    return WaitResult::Done;
}
