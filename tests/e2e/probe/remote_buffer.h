#pragma once
// Memory inside the program's process. Rich-edit messages carry pointers that the system
// does not copy between processes, so their records must live where the control can
// read and write them.

#include <windows.h>

#include <cstddef>

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool valid() const { return address != nullptr; }
    LPARAM pointer(std::size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address) + offset);
    }
    bool write(std::size_t offset, const void* bytes, std::size_t count);
    bool read(std::size_t offset, void* bytes, std::size_t count) const;

private:
    HANDLE targetProcess;
    void* address = nullptr;
    std::size_t capacity;
};
