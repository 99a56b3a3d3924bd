#include "log_path.h"

#include "base/text16.h"

LogPathResult buildLogPath(const char16_t* executablePath, const char16_t* name, LogPath* path) {
    return buildPathBeside(executablePath, name, "_log.txt", path);
}

LogPathResult buildPathBeside(const char16_t* executablePath, const char16_t* name,
                              const char* suffix, LogPath* path) {
    const char16_t* lastBackslash = nullptr;
    for (const char16_t* at = executablePath; *at != 0; ++at) {
        if (*at == u'\\') {
            lastBackslash = at;
        }
    }
    if (lastBackslash == nullptr) {
        return LogPathResult::noFolder;
    }
    const std::size_t folderLength = static_cast<std::size_t>(lastBackslash - executablePath);
    const std::size_t nameLength = textLength(name, static_cast<std::size_t>(-1));
    std::size_t suffixLength = 0;
    while (suffix[suffixLength] != 0) {
        ++suffixLength;
    }
    // A cut name would silently write to another file: refuse instead.
    if (folderLength + 1 + nameLength + suffixLength > LogPath::capacity - 1) {
        return LogPathResult::tooLong;
    }
    char16_t* out = path->data();
    std::size_t at = copyText(out, LogPath::capacity, executablePath, folderLength + 1);
    at += copyText(out + at, LogPath::capacity - at, name);
    widenText(out + at, LogPath::capacity - at, suffix);
    return LogPathResult::ok;
}
