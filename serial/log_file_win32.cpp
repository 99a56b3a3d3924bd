#include "log_file_win32.h"

#include "serial/log_format.h"

HANDLE logHandle = INVALID_HANDLE_VALUE;
LONG logEnabled = 0;
std::int32_t signalOffset = 0;

// A file without its mark is no log: neither a reader nor a replay would take
// it as UTF-16. It is removed again, so a start that cannot write the mark
// leaves nothing behind, as one whose file cannot be created.
int createLogFile(const wchar_t* path) {
    const HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    if (!WriteFile(file, logByteOrderMark, sizeof logByteOrderMark, &written, nullptr) ||
        written != sizeof logByteOrderMark) {
        CloseHandle(file);
        DeleteFileW(path);
        return 0;
    }
    logHandle = file;
    logEnabled = 1;
    return 1;
}

void closeLogFile() {
    logEnabled = 0;
    if (logHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(logHandle);
        logHandle = INVALID_HANDLE_VALUE;
    }
}

// Windows keeps UTF-16 little-endian in memory: the units go out as they are.
void writeLogLine(const char16_t* units, std::size_t count) {
    if (!logEnabled || logHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(logHandle, units, static_cast<DWORD>(count * sizeof(char16_t)), &written, nullptr);
}
