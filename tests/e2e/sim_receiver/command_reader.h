#pragma once
// Cuts the bytes arriving on the command channel into lines. A line longer than the
// buffer is dropped whole rather than run as a cut command.

#include <cstddef>

class CommandReader {
public:
    static constexpr std::size_t maxLine = 1024;

    // Feeds bytes; for each completed line calls onLine(const char* line).
    template <typename OnLine>
    void feed(const char* bytes, std::size_t count, OnLine&& onLine) {
        for (std::size_t i = 0; i < count; ++i) {
            if (bytes[i] == '\n') {
                if (!overlong) {
                    lineText[lineLength] = 0;
                    onLine(static_cast<const char*>(lineText));
                }
                lineLength = 0;
                overlong = false;
            } else if (lineLength + 1 < maxLine) {
                lineText[lineLength++] = bytes[i];
            } else {
                overlong = true;
            }
        }
    }

private:
    char lineText[maxLine];
    std::size_t lineLength = 0;
    bool overlong = false;
};
