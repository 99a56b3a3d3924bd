// Arbitrary texts through the sentence writers, and arbitrary operator texts
// and list positions through the command set: every write is one line under
// 256 bytes, and nothing is read outside a buffer or the rate table.

#include <cstdlib>
#include <cstring>
#include <memory>

#include "recording_command_host.h"

namespace {

struct LineCheck : SentenceOutput {
    void writeBytes(const std::uint8_t* b, std::size_t n) override {
        if (n < 2 || n >= sentenceLineSize || b[n - 2] != '\r' || b[n - 1] != '\n') {
            std::abort();
        }
    }
};

}  // namespace

// The first three bytes also choose a command and the two list positions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char16_t text[1101];
    const std::size_t units = size / 2 < 1100 ? size / 2 : 1100;
    std::memcpy(text, data, units * 2);
    text[units] = 0;
    LineCheck check;
    writeSentence(check, text);
    writeSentenceChecked(check, text);

    static auto bench = std::make_unique<CommandBench>();
    RecordingCommandHost& host = bench->host;
    host.port.clear();
    host.panel.clear();
    host.sendField = host.periodField = text;
    host.baudList = size > 1 ? static_cast<std::int8_t>(data[1]) : -1;
    host.newRate = size > 2 ? static_cast<std::int8_t>(data[2]) : -1;
    const int command = size > 0 ? data[0] % (static_cast<int>(Command::changeBaud) + 1) : 0;
    bench->commands.request(static_cast<Command>(command), host.now);
    host.runToEnd(bench->commands);
    for (const PortEvent& event : host.port) {
        if (event.second.size() >= sentenceLineSize) {
            std::abort();
        }
    }
    return 0;
}
