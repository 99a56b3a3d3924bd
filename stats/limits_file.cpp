#include "limits_file.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// One line at a time; a line past the longest allowed is handed over as soon
// as it is one character too long, and the section refuses it.
class LineFeeder {
public:
    explicit LineFeeder(IniNumberSection& lineSection) : section(lineSection) {}

    int feed(const char* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (bytes[i] == '\n') {
                if (!endLine()) {
                    return 0;
                }
                continue;
            }
            line[length++] = bytes[i];
            if (length > maxIniLineLength && !endLine()) {
                return 0;
            }
        }
        return 1;
    }

    int finish() { return length > 0 ? endLine() : 1; }

private:
    int endLine() {
        std::string_view text(line, length);
        if (number == 0 && text.substr(0, byteOrderMark.size()) == byteOrderMark) {
            text.remove_prefix(byteOrderMark.size());
        }
        length = 0;
        return section.takeLine(text, ++number);
    }

    IniNumberSection& section;
    char line[maxIniLineLength + 1];
    std::size_t length = 0;
    int number = 0;
};

int readSection(std::FILE* file, IniNumberSection& section) {
    LineFeeder feeder(section);
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (!feeder.feed(chunk, got)) {
            return 0;
        }
    }
    return feeder.finish();
}

void setFileError(IniError* error, const char* path, const char* what) {
    std::snprintf(error->message, sizeof error->message, "%s: %s", path, what);
}

}  // namespace

int readLimitsFile(const char* path, LimitSet* limits, IniError* error) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        setFileError(error, path, "the limits file cannot be opened");
        return 0;
    }
    IniNumberSection section = limitsSection(path);
    const int read = readSection(file, section);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    if (!read) {
        *error = section.error();
        return 0;
    }
    if (readFailed) {
        setFileError(error, path, "the limits file could not be read");
        return 0;
    }
    if (!section.sawSection()) {
        setFileError(error, path, "no [LIMITS] section");
        return 0;
    }
    *limits = limitsOf(section);
    return 1;
}
