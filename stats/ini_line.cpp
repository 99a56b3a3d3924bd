#include "ini_line.h"

#include <cstdarg>
#include <cstdio>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isComment(std::string_view text) {
    return text.empty() || text[0] == ';' || text[0] == '#';
}

// "[name]", optionally followed by a comment.
IniLine sectionLine(std::string_view line) {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || !isComment(trimmed(line.substr(close + 1)))) {
        return {IniLineKind::malformed, {}, {}};
    }
    return {IniLineKind::section, trimmed(line.substr(1, close - 1)), {}};
}

IniLine keyValueLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || trimmed(line.substr(0, equals)).empty()) {
        return {IniLineKind::malformed, {}, {}};
    }
    std::string_view value = line.substr(equals + 1);
    value = trimmed(value.substr(0, value.find(';')));
    return {IniLineKind::keyValue, trimmed(line.substr(0, equals)), value};
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

IniLine parseIniLine(std::string_view line) {
    line = trimmed(line);
    if (isComment(line)) {
        return {};
    }
    return line[0] == '[' ? sectionLine(line) : keyValueLine(line);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) {
            return false;
        }
    }
    return true;
}

void setIniError(IniError* error, const char* file, int line, const char* format, ...) {
    const int prefix = std::snprintf(error->message, sizeof error->message, "%s:%d: ", file, line);
    if (prefix < 0 || static_cast<std::size_t>(prefix) >= sizeof error->message) {
        return;
    }
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(error->message + prefix, sizeof error->message - prefix, format, arguments);
    va_end(arguments);
}
