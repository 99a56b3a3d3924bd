#include "remote_buffer.h"

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size) : process_(process), size_(size) {
    if (process_ != nullptr) {
        address_ =
            VirtualAllocEx(process_, nullptr, size_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

RemoteBuffer::~RemoteBuffer() {
    if (address_ != nullptr) {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
}

bool RemoteBuffer::write(std::size_t offset, const void* bytes, std::size_t count) {
    SIZE_T done = 0;
    return address_ != nullptr && offset + count <= size_ &&
           WriteProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, count,
                              &done) &&
           done == count;
}

bool RemoteBuffer::read(std::size_t offset, void* bytes, std::size_t count) const {
    SIZE_T done = 0;
    return address_ != nullptr && offset + count <= size_ &&
           ReadProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, count,
                             &done) &&
           done == count;
}
