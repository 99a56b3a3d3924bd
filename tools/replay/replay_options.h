#pragma once

#include <cstdint>

#include "panel_options.h"

struct ReplayOptions {
    bool hasUtcOffset = false;
    std::int64_t utcOffsetMinutes = 0;
    std::int64_t lineMs = 100;
    bool finalOnly = false;
    const char* logPath = nullptr;
    const char* inputPath = nullptr;  // "-" is standard input
    PanelOptions panel;
};

// Returns 1 with the options filled, or 0 with a one-line reason in `error`.
int parseReplayOptions(int argc, char** argv, ReplayOptions* options, const char** error);
