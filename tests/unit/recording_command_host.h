#pragma once
// A command host that records what the commands do: bytes and port actions
// with their time on a virtual clock, and everything shown on the panel.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_host.h"
#include "commands/command_set.h"
#include "commands/receiver_frames.h"
#include "nmea/receiver_state.h"

// Time after the start of the run, and the bytes written or "<close>",
// "<open N>", "<publish>", "<purge>".
using PortEvent = std::pair<std::uint32_t, std::string>;

inline std::string bytesOf(const ByteFrame& frame) {
    return std::string(reinterpret_cast<const char*>(frame.bytes), frame.count);
}

inline std::string narrowField(const char16_t* text) {
    std::string bytes;
    for (; *text != 0; ++text) {
        bytes.push_back(static_cast<char>(*text & 0xFF));
    }
    return bytes;
}

class RecordingCommandHost : public CommandHost {
public:
    // Inputs the commands read.
    ConnectionKind kind = ConnectionKind::port;
    int baudList = 1;
    int newRate = 5;
    int openResult = 1;
    std::u16string sendField, modField, periodField;

    // What they did.
    std::uint32_t now = 0;
    std::uint32_t base = 0;
    std::vector<PortEvent> port;
    std::vector<std::string> panel;

    void writeBytes(const std::uint8_t* bytes, std::size_t count) override {
        record(std::string(reinterpret_cast<const char*>(bytes), count));
    }
    void appendConsoleText(const char16_t* text) override {
        panel.push_back("console " + narrowField(text));
    }
    void setCoreVersion(const char16_t* text) override {
        panel.push_back("core [" + narrowField(text) + "]");
    }
    void setFirmwareVersion(const char16_t* text) override {
        panel.push_back("fw [" + narrowField(text) + "]");
    }
    void disableColdStart() override { panel.push_back("disable cold start"); }
    void disableFactoryReset() override { panel.push_back("disable factory reset"); }
    void setWindowTitle(const char16_t* title) override {
        panel.push_back("title " + narrowField(title));
    }
    int baudListPosition() override { return baudList; }
    int newRatePosition() override { return newRate; }
    void selectBaudListPosition(int position) override {
        baudList = position;
        panel.push_back("select " + std::to_string(position));
    }
    void readSendText(char16_t* text, std::size_t size) override { copy(sendField, text, size); }
    void readModText(char16_t* text, std::size_t size) override { copy(modField, text, size); }
    void readAutoPeriodText(char16_t* text, std::size_t size) override {
        copy(periodField, text, size);
    }
    void untickAuto() override { panel.push_back("untick auto"); }
    void setSignalOffset(std::int32_t offset) override {
        panel.push_back("offset " + std::to_string(offset));
    }
    void startAutoSendTimer(std::uint32_t periodMs) override {
        panel.push_back("timer " + std::to_string(periodMs));
    }
    void stopAutoSendTimer() override { panel.push_back("timer stop"); }
    ConnectionKind connectionKind() override { return kind; }
    void closePortForReopen() override { record("<close>"); }
    int openPortAgain(int baudIndex) override {
        record("<open " + std::to_string(baudIndex) + ">");
        return openResult;
    }
    void purgeAndPublish() override { record("<publish>"); }
    void purgeAndClearErrors() override { record("<purge>"); }

    // Polls at each time the set asks for, until nothing is left.
    void runToEnd(CommandSet& commands) {
        for (int ms = commands.msUntilNextStep(now); ms >= 0; ms = commands.msUntilNextStep(now)) {
            now += static_cast<std::uint32_t>(ms);
            commands.poll(now);
        }
    }

    std::vector<std::string> writesOnly() const {
        std::vector<std::string> writes;
        for (const PortEvent& event : port) {
            if (event.second[0] != '<') {
                writes.push_back(event.second);
            }
        }
        return writes;
    }

private:
    void record(std::string what) { port.emplace_back(now - base, std::move(what)); }

    static void copy(const std::u16string& field, char16_t* text, std::size_t size) {
        const std::size_t n = field.size() < size - 1 ? field.size() : size - 1;
        field.copy(text, n);
        text[n] = 0;
    }
};

// One command run to its end on a fresh host and state.
struct CommandBench {
    RecordingCommandHost host;
    ReceiverState state;
    CommandSet commands{host, state};
};
