// Arbitrary operator texts and list positions through the sentence writers
// and the command set: no write longer than a line, nothing read or written
// outside a buffer or the rate table.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "recording_command_host.h"
#include "serial/sentence_writer.h"

namespace {

struct LineCheck : SentenceOutput {
    void writeBytes(const std::uint8_t* bytes, std::size_t count) override {
        if (count < 2 || count >= sentenceLineSize || bytes[count - 2] != '\r' ||
            bytes[count - 1] != '\n') {
            std::abort();
        }
    }
};

constexpr std::size_t maxUnits = 1100;

void throughWriters(const char16_t* text) {
    LineCheck check;
    writeSentence(check, text);
    writeSentenceChecked(check, text);
}

// The first bytes choose a command and the two list positions; the rest is the
// send field.
void throughCommands(const std::uint8_t* data, std::size_t size, const char16_t* text) {
    static auto bench = std::make_unique<CommandBench>();
    bench->commands.dropAll();
    bench->host.port.clear();
    bench->host.panel.clear();
    bench->host.sendField = text;
    bench->host.periodField = text;
    bench->host.baudList = size > 1 ? static_cast<std::int8_t>(data[1]) : -1;
    bench->host.newRate = size > 2 ? static_cast<std::int8_t>(data[2]) : -1;
    const int command = size > 0 ? data[0] % (static_cast<int>(Command::changeBaud) + 1) : 0;
    bench->commands.request(static_cast<Command>(command), bench->host.now);
    bench->host.runToEnd(bench->commands);
    for (const PortEvent& event : bench->host.port) {
        if (event.second.size() >= sentenceLineSize) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char16_t text[maxUnits + 1];
    const std::size_t units = size / 2 < maxUnits ? size / 2 : maxUnits;
    std::memcpy(text, data, units * 2);
    text[units] = 0;
    throughWriters(text);
    throughCommands(data, size, text);
    return 0;
}
