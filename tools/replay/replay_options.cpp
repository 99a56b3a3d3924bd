#include "replay_options.h"

#include <cstring>

#include "base/whole_number.h"
#include "stats/reference_position.h"

namespace {

int parseUtcOffset(const char* value, ReplayOptions* options) {
    options->hasUtcOffset = true;
    return parseWholeNumber(value, INT64_MIN, INT64_MAX, &options->utcOffsetMinutes) ? 1 : 0;
}

int parseLineMs(const char* value, ReplayOptions* options) {
    return parseWholeNumber(value, 0, 0xFFFFFFFFLL, &options->lineMs) ? 1 : 0;
}

int parseLogPath(const char* value, ReplayOptions* options) {
    options->logPath = value;
    return value != nullptr ? 1 : 0;
}

int parsePanelPath(const char* value, ReplayOptions* options) {
    options->panel.path = value;
    return value != nullptr ? 1 : 0;
}

int parsePanelSizeOption(const char* value, ReplayOptions* options) {
    return parsePanelSize(value, &options->panel);
}

int parseViewOption(const char* value, ReplayOptions* options) {
    return parseViewSetting(value, &options->panel);
}

int parseSignalOffsetOption(const char* value, ReplayOptions* options) {
    return parseSignalOffset(value, &options->panel);
}

int parseReportPath(const char* value, ReplayOptions* options) {
    options->report.reportPath = value;
    return value != nullptr ? 1 : 0;
}

int parseHtmlPath(const char* value, ReplayOptions* options) {
    options->report.htmlPath = value;
    return value != nullptr ? 1 : 0;
}

int parseLimitsPath(const char* value, ReplayOptions* options) {
    options->report.limitsPath = value;
    return value != nullptr ? 1 : 0;
}

int parseReference(const char* value, ReplayOptions* options) {
    options->report.hasReference =
        value != nullptr && parseReferenceArgument(value, &options->report.reference);
    return options->report.hasReference ? 1 : 0;
}

// Each of these options consumes the next argument.
struct ValueOption {
    const char* name;
    int (*parse)(const char* value, ReplayOptions* options);
    const char* error;
};

const ValueOption valueOptions[] = {
    {"--utc-offset", parseUtcOffset, "--utc-offset needs a whole number of minutes"},
    {"--line-ms", parseLineMs, "--line-ms needs a number of milliseconds from 0 to 4294967295"},
    {"--log", parseLogPath, "--log needs a path"},
    {"--panel", parsePanelPath, "--panel needs a path"},
    {"--panel-size", parsePanelSizeOption,
     "--panel-size needs WIDTHxHEIGHT, each from 1 to 32767 pixels"},
    {"--view", parseViewOption, "--view needs NAME=N, NAME one of GPS GLS GAS BDS GNS"},
    {"--signal-offset", parseSignalOffsetOption, "--signal-offset needs a whole number"},
    {"--report", parseReportPath, "--report needs a path"},
    {"--html", parseHtmlPath, "--html needs a path"},
    {"--limits", parseLimitsPath, "--limits needs a path"},
    {"--reference", parseReference,
     "--reference needs LAT,LON in decimal degrees, LAT from -90 to 90, LON from -180 to 180"},
};

const ValueOption* valueOption(const char* arg) {
    for (const ValueOption& option : valueOptions) {
        if (std::strcmp(arg, option.name) == 0) {
            return &option;
        }
    }
    return nullptr;
}

// The part of a path after its last folder separator, as the page names it.
const char* fileNameOf(const char* path) {
    if (std::strcmp(path, "-") == 0) {
        return "standard input";
    }
    const char* name = path;
    for (const char* at = path; *at != 0; ++at) {
        if (*at == '/' || *at == '\\') {
            name = at + 1;
        }
    }
    return name;
}

}  // namespace

int parseReplayOptions(int argc, char** argv, ReplayOptions* options, const char** error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (const ValueOption* option = valueOption(arg)) {
            const char* value = i + 1 < argc ? argv[++i] : nullptr;
            if (!option->parse(value, options)) {
                *error = option->error;
                return 0;
            }
        } else if (std::strcmp(arg, "--final") == 0) {
            options->finalOnly = true;
        } else if (std::strcmp(arg, "--help") == 0) {
            options->showHelp = true;
            return 1;
        } else if (arg[0] == '-' && arg[1] != 0) {
            *error = "unknown option";
            return 0;
        } else if (options->inputPath != nullptr) {
            *error = "only one input file may be given";
            return 0;
        } else {
            options->inputPath = arg;
        }
    }
    if (options->inputPath == nullptr) {
        *error = "no input file given";
        return 0;
    }
    if (options->report.hasReference && !options->report.wanted()) {
        *error = "--reference needs --report, --html or --limits";
        return 0;
    }
    options->report.sourceName = fileNameOf(options->inputPath);
    return 1;
}
