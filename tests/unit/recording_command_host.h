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

// Time after `base`, and the bytes written or "<withdraw>", "<open N>",
// "<publish>", "<purge>".
using PortEvent = std::pair<std::uint32_t, std::string>;

inline std::string bytesOf(const ByteFrame& frame) {
    return std::string(reinterpret_cast<const char*>(frame.bytes), frame.count);
}

inline std::string narrowed(const char16_t* text) {
    std::string bytes;
    for (; *text != 0; ++text) {
        bytes.push_back(static_cast<char>(*text & 0xFF));
    }
    return bytes;
}

class RecordingCommandHost : public CommandHost {
public:
    // What the commands read.
    ConnectionKind kind = ConnectionKind::port;
    int baudList = 1;
    int newRate = 5;
    int openResult = 1;
    int publishResult = 1;
    std::u16string sendField, modField, periodField;

    // What they did.
    std::uint32_t now = 0;
    std::uint32_t base = 0;
    std::vector<PortEvent> port;
    std::vector<std::string> panel;

    void writeBytes(const std::uint8_t* b, std::size_t n) override {
        onPort(std::string(reinterpret_cast<const char*>(b), n));
    }
    void appendToConsole(const char16_t* t) override { onPanel("console " + narrowed(t)); }
    void setCoreVersion(const char16_t* t) override { onPanel("core [" + narrowed(t) + "]"); }
    void setFirmwareVersion(const char16_t* t) override { onPanel("fw [" + narrowed(t) + "]"); }
    void disableColdStart() override { onPanel("disable cold start"); }
    void disableFactoryReset() override { onPanel("disable factory reset"); }
    void setWindowTitle(const char16_t* t) override { onPanel("title " + narrowed(t)); }
    int baudListPosition() override { return baudList; }
    int newRatePosition() override { return newRate; }
    void selectBaudListPosition(int p) override {
        onPanel("select " + std::to_string(baudList = p));
    }
    void readSendText(char16_t* t, std::size_t size) override { read(sendField, t, size); }
    void readModText(char16_t* t, std::size_t size) override { read(modField, t, size); }
    void readAutoPeriodText(char16_t* t, std::size_t size) override { read(periodField, t, size); }
    void untickAuto() override { onPanel("untick auto"); }
    void setSignalOffset(std::int32_t v) override { onPanel("offset " + std::to_string(v)); }
    void startAutoSendTimer(std::uint32_t ms) override { onPanel("timer " + std::to_string(ms)); }
    void stopAutoSendTimer() override { onPanel("timer stop"); }
    ConnectionKind connectionKind() override { return kind; }
    void withdrawPort() override { onPort("<withdraw>"); }
    int reopenPort(int index) override {
        onPort("<open " + std::to_string(index) + ">");
        return openResult;
    }
    int publishPort() override {
        onPort("<publish>");
        return publishResult;
    }
    void purgePort() override { onPort("<purge>"); }
    void reopenFailed() override { onPort("<reopen failed>"); }

    // Polls at each time the set asks for, until nothing is left.
    void runToEnd(CommandSet& commands) {
        for (int ms = commands.msUntilNextStep(now); ms >= 0; ms = commands.msUntilNextStep(now)) {
            now += static_cast<std::uint32_t>(ms);
            commands.poll(now);
        }
    }

private:
    void onPort(std::string what) { port.emplace_back(now - base, std::move(what)); }
    void onPanel(std::string what) { panel.push_back(std::move(what)); }
    static void read(const std::u16string& field, char16_t* text, std::size_t size) {
        text[field.copy(text, size - 1)] = 0;
    }
};

// A fresh host and state, kept off the stack for the state's size.
struct CommandBench {
    RecordingCommandHost host;
    ReceiverState state;
    CommandSet commands{host, state};
};
