#pragma once
// Where the log file goes: beside the executable, named after the operator's
// text with "_log.txt" appended.

#include "base/fixed_text.h"

using LogPath = FixedText<260>;

enum class LogPathResult {
    ok,
    noFolder,  // the executable's path has no backslash
    tooLong,   // folder, name and suffix exceed 259 characters
};

LogPathResult buildLogPath(const char16_t* executablePath, const char16_t* name, LogPath* path);

// Any file beside the executable: its folder, the name, then the ASCII suffix.
LogPathResult buildPathBeside(const char16_t* executablePath, const char16_t* name,
                              const char* suffix, LogPath* path);
