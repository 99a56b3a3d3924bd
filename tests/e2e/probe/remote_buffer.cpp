#include "remote_buffer.h"

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : targetProcess(process), capacity(size) {
    if (targetProcess != nullptr) {
        address = VirtualAllocEx(targetProcess, nullptr, capacity, MEM_COMMIT | MEM_RESERVE,
                                 PAGE_READWRITE);
    }
}

RemoteBuffer::~RemoteBuffer() {
    if (address != nullptr) {
        VirtualFreeEx(targetProcess, address, 0, MEM_RELEASE);
    }
}

bool RemoteBuffer::write(std::size_t offset, const void* bytes, std::size_t count) {
    SIZE_T done = 0;
    return address != nullptr && offset + count <= capacity &&
           WriteProcessMemory(targetProcess, static_cast<char*>(address) + offset, bytes, count,
                              &done) &&
           done == count;
}

bool RemoteBuffer::read(std::size_t offset, void* bytes, std::size_t count) const {
    SIZE_T done = 0;
    return address != nullptr && offset + count <= capacity &&
           ReadProcessMemory(targetProcess, static_cast<char*>(address) + offset, bytes, count,
                             &done) &&
           done == count;
}
