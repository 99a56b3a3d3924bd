#include "replay_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

static bool parseWholeInteger(const char* text, std::int64_t* value) {
    if (text == nullptr || *text == 0) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != 0) {
        return false;
    }
    *value = parsed;
    return true;
}

// Each option that takes a value consumes the next argument.
static int parseValueOption(const char* name, const char* value, ReplayOptions* options,
                            const char** error) {
    if (std::strcmp(name, "--utc-offset") == 0) {
        options->hasUtcOffset = true;
        if (!parseWholeInteger(value, &options->utcOffsetMinutes)) {
            *error = "--utc-offset needs a whole number of minutes";
            return 0;
        }
        return 1;
    }
    if (std::strcmp(name, "--line-ms") == 0) {
        if (!parseWholeInteger(value, &options->lineMs) || options->lineMs < 0 ||
            options->lineMs > 0xFFFFFFFFLL) {
            *error = "--line-ms needs a number of milliseconds from 0 to 4294967295";
            return 0;
        }
        return 1;
    }
    if (value == nullptr) {
        *error = "--log needs a path";
        return 0;
    }
    options->logPath = value;
    return 1;
}

static bool takesValue(const char* arg) {
    return std::strcmp(arg, "--utc-offset") == 0 || std::strcmp(arg, "--line-ms") == 0 ||
           std::strcmp(arg, "--log") == 0;
}

int parseReplayOptions(int argc, char** argv, ReplayOptions* options, const char** error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (takesValue(arg)) {
            const char* value = i + 1 < argc ? argv[++i] : nullptr;
            if (!parseValueOption(arg, value, options, error)) {
                return 0;
            }
        } else if (std::strcmp(arg, "--final") == 0) {
            options->finalOnly = true;
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
    return 1;
}
