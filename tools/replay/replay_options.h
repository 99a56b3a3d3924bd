#pragma once

#include <cstdint>

#include "panel_options.h"
#include "report_options.h"

struct ReplayOptions {
    bool hasUtcOffset = false;
    std::int64_t utcOffsetMinutes = 0;
    std::int64_t lineMs = 100;
    bool finalOnly = false;
    const char* logPath = nullptr;
    const char* inputPath = nullptr;  // "-" is standard input
    PanelOptions panel;
    ReportOptions report;
    bool showHelp = false;  // --help: the usage, and nothing else
};

// Returns 1 with the options filled, or 0 with a one-line reason in `error`.
// After "--help" the rest is not read and no input file is needed.
int parseReplayOptions(int argc, char** argv, ReplayOptions* options, const char** error);
