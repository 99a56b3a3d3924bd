#pragma once
// Gathers the text commands a program writes, one a line: from a start mark ('$' for
// sentences, '@' for the at family) to the line feed. Reads may cut a command anywhere.
// Bytes outside a command (binary frames, noise) are passed over, a start mark begins
// the command afresh, a byte that is not text abandons it, and a command too long for
// the buffer is dropped whole rather than taken cut.

#include <cstddef>
#include <cstdint>

class TextCommandReader {
public:
    static constexpr std::size_t maxCommand = 256;

    explicit TextCommandReader(char commandStart) : startMark(commandStart) {}

    // Takes one byte; true when it completed a command, which command() then holds
    // without its CR LF.
    bool take(std::uint8_t byte);
    const char* command() const { return text; }

private:
    char startMark;
    char text[maxCommand] = {};
    std::size_t length = 0;
    bool inCommand = false;
    bool overlong = false;
};
