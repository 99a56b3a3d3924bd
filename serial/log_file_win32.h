#pragma once
// The recorded log: UTF-16LE with a byte-order mark, one accepted sentence per
// CR LF line, open for reading by others while it is written.

#include <windows.h>

#include <cstddef>
#include <cstdint>

extern HANDLE logHandle;
extern LONG logEnabled;
// Added to the drawn signal levels while a log is recorded.
extern std::int32_t signalOffset;

inline bool logOpen() {
    return logHandle != INVALID_HANDLE_VALUE;
}

// Creates (or replaces) the file and writes its mark. Returns 1, or 0 with
// no log running when the file cannot be created or its mark not written.
int createLogFile(const wchar_t* path);
void closeLogFile();
// Writes the line while a log runs; failed writes are not reported.
void writeLogLine(const char16_t* units, std::size_t count);
