#include "command_words.h"

#include <cstring>

#include "base/whole_number.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

CommandWords::CommandWords(const char* line) {
    std::size_t length = 0;
    while (line[length] != 0 && length + 1 < maxLine) {
        splitText[length] = line[length];
        ++length;
    }
    while (length > 0 && (splitText[length - 1] == '\n' || splitText[length - 1] == '\r')) {
        --length;
    }
    splitText[length] = 0;
    std::memcpy(wholeText, splitText, length + 1);

    std::size_t i = 0;
    while (wordCount < maxWords) {
        while (i < length && isBlank(splitText[i])) {
            ++i;
        }
        if (i >= length) {
            break;
        }
        wordStarts[wordCount] = i;
        words[wordCount++] = splitText + i;
        while (i < length && !isBlank(splitText[i])) {
            ++i;
        }
        splitText[i] = 0;  // i <= length < maxLine, so this stays inside the copy
        ++i;
    }
}

bool CommandWords::is(const char* verb) const {
    return std::strcmp(this->verb(), verb) == 0;
}

bool CommandWords::integer(std::size_t i, std::int64_t min, std::int64_t max,
                           std::int64_t* value) const {
    return parseWholeNumber(word(i), min, max, value);
}
