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
                if (!overlong_) {
                    line_[length_] = 0;
                    onLine(static_cast<const char*>(line_));
                }
                length_ = 0;
                overlong_ = false;
            } else if (length_ + 1 < maxLine) {
                line_[length_++] = bytes[i];
            } else {
                overlong_ = true;
            }
        }
    }

private:
    char line_[maxLine];
    std::size_t length_ = 0;
    bool overlong_ = false;
};
