// Arbitrary texts through the sentence writers, and arbitrary operator texts,
// list positions, connections and clocks through the command set: every write
// is one line under 256 bytes and goes only to a port, and nothing is read
// outside a buffer or the rate table.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/text16.h"
#include "commands/command_host.h"
#include "commands/command_set.h"
#include "nmea/receiver_state.h"

namespace {

constexpr std::size_t maxTextUnits = 1100;

struct LineCheck : SentenceOutput {
    void writeBytes(const std::uint8_t* b, std::size_t n) override {
        if (n < 2 || n >= sentenceLineSize || b[n - 2] != '\r' || b[n - 1] != '\n') {
            std::abort();
        }
    }
};

// Keeps nothing, so an input costs no allocation: each write is checked as it
// comes, each text handed over is read to its end (the sanitizer sees any
// read past it), and every field the commands read holds the input's text.
class CheckingHost : public CommandHost {
public:
    const char16_t* text = u"";
    ConnectionKind kind = ConnectionKind::port;
    int baudList = -1;
    int newRate = -1;
    int openResult = 1;

    void writeBytes(const std::uint8_t*, std::size_t n) override {
        if (kind != ConnectionKind::port || n >= sentenceLineSize) {
            std::abort();
        }
    }
    void appendToConsole(const char16_t* t) override { readToEnd(t); }
    void setCoreVersion(const char16_t* t) override { readToEnd(t); }
    void setFirmwareVersion(const char16_t* t) override { readToEnd(t); }
    void disableColdStart() override {}
    void disableFactoryReset() override {}
    void setWindowTitle(const char16_t* t) override { readToEnd(t); }
    int baudListPosition() override { return baudList; }
    int newRatePosition() override { return newRate; }
    void selectBaudListPosition(int position) override { baudList = position; }
    void readSendText(char16_t* t, std::size_t size) override { copyText(t, size, text); }
    void readModText(char16_t* t, std::size_t size) override { copyText(t, size, text); }
    void readAutoPeriodText(char16_t* t, std::size_t size) override { copyText(t, size, text); }
    void untickAuto() override {}
    void setSignalOffset(std::int32_t) override {}
    void startAutoSendTimer(std::uint32_t) override {}
    void stopAutoSendTimer() override {}
    ConnectionKind connectionKind() override { return kind; }
    void withdrawPort() override {}
    int reopenPort(int) override { return openResult; }
    int publishPort() override { return openResult; }
    void purgePort() override {}
    void reopenFailed() override {}

private:
    static void readToEnd(const char16_t* t) { textLength(t, static_cast<std::size_t>(-1)); }
};

// One command set for the whole run, emptied before each input.
struct Bench {
    CheckingHost host;
    ReceiverState state;
    CommandSet commands{host, state};
};

std::uint8_t byteAt(const std::uint8_t* data, std::size_t size, std::size_t index) {
    return index < size ? data[index] : 0;
}

// The first bytes choose the command, the two list positions, the connection
// and whether a reopen fails, and the clock's start (a run may wrap it).
void chooseFromInput(CheckingHost& host, const std::uint8_t* data, std::size_t size) {
    host.baudList = size > 1 ? static_cast<std::int8_t>(data[1]) : -1;
    host.newRate = size > 2 ? static_cast<std::int8_t>(data[2]) : -1;
    const std::uint8_t connection = byteAt(data, size, 3);
    const ConnectionKind kinds[] = {ConnectionKind::port, ConnectionKind::port,
                                    ConnectionKind::replay, ConnectionKind::none};
    host.kind = kinds[connection & 3];
    host.openResult = (connection & 4) != 0 ? 0 : 1;
}

std::uint32_t clockStart(const std::uint8_t* data, std::size_t size) {
    std::uint32_t start = 0;
    for (std::size_t i = 4; i < 8; ++i) {
        start = start << 8 | byteAt(data, size, i);
    }
    return start;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char16_t text[maxTextUnits + 1];
    const std::size_t units = size / 2 < maxTextUnits ? size / 2 : maxTextUnits;
    std::memcpy(text, data, units * 2);
    text[units] = 0;
    LineCheck check;
    writeSentence(check, text);
    writeSentenceChecked(check, text);

    static const std::unique_ptr<Bench> bench = std::make_unique<Bench>();
    CheckingHost& host = bench->host;
    bench->commands.dropAll();
    host.text = text;
    chooseFromInput(host, data, size);
    std::uint32_t now = clockStart(data, size);
    const int command = byteAt(data, size, 0) % (static_cast<int>(Command::changeBaud) + 1);
    bench->commands.request(static_cast<Command>(command), now);
    for (int ms = bench->commands.msUntilNextStep(now); ms >= 0;
         ms = bench->commands.msUntilNextStep(now)) {
        now += static_cast<std::uint32_t>(ms);
        bench->commands.poll(now);
    }
    return 0;
}
