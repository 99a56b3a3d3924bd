#include "log_file_win32.h"

#include "serial/log_format.h"

// A file without its mark is no log: neither a reader nor a replay would take
// it as UTF-16. It is removed again, so a start that cannot write the mark
// leaves nothing behind, as one whose file cannot be created.
int LogFile::create(const wchar_t* path) {
    close();
    const HANDLE created =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    if (!WriteFile(created, logByteOrderMark, sizeof logByteOrderMark, &written, nullptr) ||
        written != sizeof logByteOrderMark) {
        CloseHandle(created);
        DeleteFileW(path);
        return 0;
    }
    file = created;
    wholeLinesEnd = sizeof logByteOrderMark;
    return 1;
}

void LogFile::close() {
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
}

// Windows keeps UTF-16 little-endian in memory: the units go out as they are.
int LogFile::writeLine(const char16_t* units, std::size_t count) {
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const DWORD bytes = static_cast<DWORD>(count * sizeof(char16_t));
    DWORD written = 0;
    if (!WriteFile(file, units, bytes, &written, nullptr) || written != bytes) {
        cutToWholeLines();
        close();
        return 0;
    }
    wholeLinesEnd += bytes;
    return 1;
}

// A full disk may have taken part of the line: that part goes, and with it
// the space it took.
void LogFile::cutToWholeLines() {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(wholeLinesEnd);
    if (SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) {
        SetEndOfFile(file);
    }
}
