#pragma once
// What `skyvane-replay --panel` draws, and at which size.

#include <cstdint>

#include "ui/view_flags.h"

// The part of the graphics panel the program's window shows.
constexpr std::int32_t defaultPanelWidth = 994;
constexpr std::int32_t defaultPanelHeight = 378;
constexpr std::int32_t largestPanelSide = 32767;

struct PanelOptions {
    const char* path = nullptr;  // no drawing unless given
    std::int32_t width = defaultPanelWidth;
    std::int32_t height = defaultPanelHeight;
    ViewFlags views;
    std::int32_t signalOffset = 0;  // applies only while a log is recorded
};

// Each returns 1 with the option set, or 0 leaving the options as they were.
// "WxH", each side from 1 to largestPanelSide.
int parsePanelSize(const char* text, PanelOptions* options);
// "NAME=N": NAME one of GPS GLS GAS BDS GNS, N a 32-bit whole number (0 hides).
int parseViewSetting(const char* text, PanelOptions* options);
// A 32-bit whole number.
int parseSignalOffset(const char* text, PanelOptions* options);
