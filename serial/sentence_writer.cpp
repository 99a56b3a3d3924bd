#include "sentence_writer.h"

#include <cstdio>

namespace {

// Narrows the text into the line; false when it is longer than the limit.
bool narrowInto(std::uint8_t* line, const char16_t* text, std::size_t limit, std::size_t* length) {
    const std::size_t units = sentenceTextLength(text, limit);
    if (units > limit) {
        return false;
    }
    for (std::size_t i = 0; i < units; ++i) {
        line[i] = static_cast<std::uint8_t>(text[i] & 0xFF);
    }
    *length = units;
    return true;
}

// The first byte, normally '$', is never part of the sum, whatever it is.
unsigned checksumOf(const std::uint8_t* line, std::size_t length) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < length; ++i) {
        sum ^= line[i];
    }
    return sum;
}

std::size_t appendLineEnd(std::uint8_t* line, std::size_t length) {
    line[length] = '\r';
    line[length + 1] = '\n';
    return length + 2;
}

}  // namespace

std::size_t sentenceTextLength(const char16_t* text, std::size_t limit) {
    std::size_t units = 0;
    while (units <= limit && (text[units] & 0xFF) != 0) {
        ++units;
    }
    return units;
}

int writeSentence(SentenceOutput& output, const char16_t* text) {
    std::uint8_t line[sentenceLineSize];
    std::size_t length = 0;
    if (!narrowInto(line, text, plainTextLimit, &length)) {
        return 0;
    }
    output.writeBytes(line, appendLineEnd(line, length));
    return 1;
}

int writeSentenceChecked(SentenceOutput& output, const char16_t* text) {
    std::uint8_t line[sentenceLineSize];
    std::size_t length = 0;
    if (!narrowInto(line, text, checkedTextLimit, &length)) {
        return 0;
    }
    char digits[4];
    std::snprintf(digits, sizeof digits, "*%02X", checksumOf(line, length));
    for (int i = 0; i < 3; ++i) {
        line[length++] = static_cast<std::uint8_t>(digits[i]);
    }
    output.writeBytes(line, appendLineEnd(line, length));
    return 1;
}

void writeFrame(SentenceOutput& output, const std::uint8_t* bytes, std::size_t count) {
    output.writeBytes(bytes, count);
}
