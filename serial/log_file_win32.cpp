#include "log_file_win32.h"

#include "serial/log_format.h"

HANDLE logHandle = INVALID_HANDLE_VALUE;
LONG logEnabled = 0;
std::int32_t signalOffset = 0;

int createLogFile(const wchar_t* path) {
    const HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    WriteFile(file, logByteOrderMark, sizeof logByteOrderMark, &written, nullptr);
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
