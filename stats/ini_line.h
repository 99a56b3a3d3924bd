#pragma once
// One line of an INI text: blank or comment, a [section], a KEY=value, or
// something else. Spaces and tabs around names and values do not count; a
// line whose first other character is ";" or "#" is a comment, and ";" after
// a value starts one.

#include <cstddef>
#include <string_view>

// Longer lines are refused, so that no reader of a file needs a larger buffer.
constexpr std::size_t maxIniLineLength = 1024;

enum class IniLineKind { skipped, section, keyValue, malformed };

struct IniLine {
    IniLineKind kind = IniLineKind::skipped;
    std::string_view name;   // section name or key
    std::string_view value;  // of a key
};

IniLine parseIniLine(std::string_view line);

bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// "FILE:LINE: what went wrong", cut to fit.
struct IniError {
    char message[768] = {};
};

#if defined(__GNUC__)
__attribute__((format(printf, 4, 5)))
#endif
void setIniError(IniError* error, const char* file, int line, const char* format, ...);

// Calls take(line, number) for each line of the text (numbers from 1, line
// feeds and a UTF-8 byte-order mark left out) until it returns 0. Returns
// what the last call returned, 1 for an empty text.
template <typename TakeLine>
int forEachIniLine(const char* text, std::size_t length, TakeLine&& take) {
    std::string_view rest(text, length);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") {
        rest.remove_prefix(3);
    }
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = rest.find('\n');
        if (!take(rest.substr(0, end), number)) {
            return 0;
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return 1;
}
