#include "log_path.h"

#include "base/text16.h"

LogPathResult buildLogPath(const char16_t* executablePath, const char16_t* name, LogPath* path) {
    const char16_t* lastBackslash = nullptr;
    for (const char16_t* at = executablePath; *at != 0; ++at) {
        if (*at == u'\\') {
            lastBackslash = at;
        }
    }
    if (lastBackslash == nullptr) {
        return LogPathResult::noFolder;
    }
    constexpr char suffix[] = "_log.txt";
    const std::size_t folderLength = static_cast<std::size_t>(lastBackslash - executablePath);
    const std::size_t nameLength = textLength(name, static_cast<std::size_t>(-1));
    // A cut name would silently log to another file: refuse instead.
    if (folderLength + 1 + nameLength + (sizeof suffix - 1) > LogPath::capacity - 1) {
        return LogPathResult::tooLong;
    }
    char16_t* out = path->data();
    std::size_t at = copyText(out, LogPath::capacity, executablePath, folderLength + 1);
    at += copyText(out + at, LogPath::capacity - at, name);
    widenText(out + at, LogPath::capacity - at, suffix);
    return LogPathResult::ok;
}
