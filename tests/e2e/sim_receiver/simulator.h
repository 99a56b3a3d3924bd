#pragma once
// The simulated receiver: a pseudo-terminal published as a serial port, the transmitter
// that streams into it, the log of what the program sends back, and the command channel
// through which a scenario makes the port vanish and return, pauses the stream or asks
// for counters. Everything runs on one thread around poll(2).

#include <cstdio>
#include <memory>
#include <vector>

#include "byte_log.h"
#include "clock.h"
#include "command_reader.h"
#include "json_writer.h"
#include "port_link.h"
#include "pseudo_terminal.h"
#include "replies.h"
#include "sim_options.h"
#include "transmitter.h"
#include "transmitter_control.h"

class Simulator {
public:
    // Commands are read from commandInput (-1: none); answers, one JSON line each, go
    // to answerOutput. The logs must outlive the simulator.
    Simulator(const SimOptions& chosen, std::unique_ptr<LineSource> source,
              std::unique_ptr<ReplyPolicy> policy, int commandInput, std::FILE* answerOutput,
              ReceivedLog* programBytes, SentLog* sentLog);

    // Opens the port and announces it with a "ready" line; false when it cannot.
    bool start();
    // Waits at most maxWaitMs for the next thing to do and does it.
    void step(int maxWaitMs);
    void handleCommand(const char* line);
    bool quitRequested() const { return quit; }

private:
    bool openPort();
    void vanish();
    void notePeer(Micros now);
    bool mayStream(Micros now) const;
    void pumpStream(Micros now);
    int pollTimeoutMs(Micros now, int maxWaitMs) const;
    void readCommands();
    void readFromProgram(Micros now);
    void answerOk(const char* command);
    void answerError(const char* command, const char* reason);
    void answerStats(Micros now);
    void writeStarts(JsonWriter& json, const std::vector<StartRecord>& starts) const;
    std::int64_t millisSince(Micros then) const;
    void answerPort(const char* command, bool ready);

    SimOptions options;
    PseudoTerminal terminal;
    PortLink link;
    std::unique_ptr<ReplyPolicy> replyPolicy;
    Transmitter transmitter;
    TransmitterControl receiverControl;  // what the program's commands act on
    ReceivedLog* receivedLog;
    int commandFd;
    std::FILE* answers;
    CommandReader commandReader;
    Micros startedAt;
    Micros openedAt = 0;
    Micros nextPump = 0;
    bool peerOpen = false;
    bool streaming = false;
    bool paused = false;
    bool quit = false;
    std::int64_t opens = 0;
    std::int64_t receivedBytes = 0;
};
