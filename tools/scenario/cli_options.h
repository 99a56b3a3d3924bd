#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario.h"

namespace skyvane::scenario {

struct CommandLine {
    ScenarioOptions options;
    bool showHelp = false;
    std::string error;  // one line; empty when the arguments are usable
};

// Arguments after the program name:
// [--seconds N] [--fix-after S] [--start YYYY-MM-DDThh:mm:ss] [--seed N] [--rate HZ]
// [--qzss-gsa] [--help]
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string_view usageText();

}  // namespace skyvane::scenario
