#pragma once
// The recorded log: UTF-16LE with a byte-order mark, one accepted sentence per
// CR LF line, open for reading by others while it is written.

#include <windows.h>

#include <cstddef>
#include <cstdint>

class LogFile {
public:
    LogFile() = default;
    ~LogFile() { close(); }
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Creates (or replaces) the file and writes its mark. Returns 1, or 0 with
    // no log running when the file cannot be created or its mark not written.
    int create(const wchar_t* path);
    void close();
    bool isOpen() const { return file != INVALID_HANDLE_VALUE; }

    // Appends the line while the log runs. Returns 1 when it was written whole
    // (or no log runs); 0 when the file could not take it (a full disk, a
    // folder gone): the file is then cut back to its last whole line and
    // closed, so it holds every line written before the failure.
    int writeLine(const char16_t* units, std::size_t count);

private:
    void cutToWholeLines();

    HANDLE file = INVALID_HANDLE_VALUE;
    std::uint64_t wholeLinesEnd = 0;  // bytes of the mark and the lines written whole
};
