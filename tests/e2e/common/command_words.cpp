#include "command_words.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

CommandWords::CommandWords(const char* line) {
    std::size_t length = 0;
    while (line[length] != 0 && length + 1 < maxLine) {
        text_[length] = line[length];
        ++length;
    }
    while (length > 0 && (text_[length - 1] == '\n' || text_[length - 1] == '\r')) {
        --length;
    }
    text_[length] = 0;
    std::memcpy(restText_, text_, length + 1);

    std::size_t i = 0;
    while (count_ < maxWords) {
        while (i < length && isBlank(text_[i])) {
            ++i;
        }
        if (i >= length) {
            break;
        }
        starts_[count_] = i;
        words_[count_++] = text_ + i;
        while (i < length && !isBlank(text_[i])) {
            ++i;
        }
        text_[i] = 0;  // i <= length < maxLine, so this stays inside the copy
        ++i;
    }
}

bool CommandWords::is(const char* verb) const {
    return std::strcmp(this->verb(), verb) == 0;
}

bool CommandWords::integer(std::size_t i, std::int64_t min, std::int64_t max,
                           std::int64_t* value) const {
    const char* text = word(i);
    if (*text == 0) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != 0 || parsed < min || parsed > max) {
        return false;
    }
    *value = parsed;
    return true;
}
