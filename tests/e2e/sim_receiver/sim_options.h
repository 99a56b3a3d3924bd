#pragma once
// The simulated receiver's command line.

#include <cstdint>

#include "receiver_family.h"
#include "scenario.h"
#include "start_options.h"

enum class PaceKind { baud, lines, unlimited };

// What the receiver does while no program has its port open: hold the stream (nothing is
// lost, the stream goes on where it stopped) or run on as a real receiver does, its bytes
// going nowhere.
enum class WhileClosed { hold, run };

struct SimOptions {
    const char* linkPath = nullptr;
    const char* recordingPath = nullptr;  // a recording, or else the generated scenario
    bool useScenario = false;
    ScenarioOptions scenario;
    PaceKind pace = PaceKind::baud;
    long baud = 115200;
    double linesPerSecond = 0;
    // --rate: a scenario in real time, each epoch at its time (at the baud pace only).
    bool realTime = false;
    bool loop = false;
    const char* receivedPath = nullptr;
    const char* sentPath = nullptr;
    WhileClosed whileClosed = WhileClosed::hold;
    // After the program opens the port it sets the line up and discards pending input;
    // bytes sent before that would be lost, so the stream waits this long.
    std::int64_t openDelayMs = 300;
    ReceiverFamily family = ReceiverFamily::none;  // whose commands it answers
    StartOptions starts;                           // how it takes that family's starts
};

// Returns 1 with the options filled, or 0 with a one-line reason in `error`.
int parseSimOptions(int argc, char** argv, SimOptions* options, const char** error);

extern const char simUsage[];
