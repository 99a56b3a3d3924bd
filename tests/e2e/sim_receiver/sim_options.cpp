#include "sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/whole_number.h"
#include "port_link.h"

const char simUsage[] =
    "usage: skyvane-sim-receiver --link PATH (--recording FILE | --scenario SECONDS\n"
    "         [--seed N] [--fix-after SECONDS] [--rate HZ]) [--baud B | --lines-per-second R |\n"
    "         --unpaced]\n"
    "         [--loop] [--received FILE] [--sent FILE] [--while-closed hold|run]\n"
    "         [--open-delay-ms MS] [--family none|psrf|pmtk|pair|at|ubx]\n"
    "         [--ttff KIND=S[,S...]]... [--ttff-seed N] [--never-fix]\n"
    "         [--ignore-start KIND]... [--restart nofix|silent]\n"
    "KIND: hot, warm, cold or factory; S: seconds, such as 31.2\n"
    "commands on standard input, one per line: stats, pause, resume, vanish, return,\n"
    "  send TEXT, quit";

namespace {

bool positiveRate(const char* text, double max, double* value) {
    if (text == nullptr || *text == 0) {
        return false;
    }
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (*end != 0 || !(parsed > 0) || parsed > max) {
        return false;
    }
    *value = parsed;
    return true;
}

bool is(const char* arg, const char* name) {
    return std::strcmp(arg, name) == 0;
}

bool takesValue(const char* arg) {
    static const char* const valued[] = {
        "--link",      "--recording",    "--scenario",         "--seed",
        "--fix-after", "--baud",         "--lines-per-second", "--received",
        "--sent",      "--while-closed", "--open-delay-ms",    "--family",
        "--ttff",      "--ttff-seed",    "--ignore-start",     "--restart",
        "--rate"};
    for (const char* name : valued) {
        if (is(arg, name)) {
            return true;
        }
    }
    return false;
}

int fail(const char** error, const char* reason) {
    *error = reason;
    return 0;
}

int parsePace(const char* name, const char* value, SimOptions* options, const char** error) {
    if (is(name, "--baud")) {
        std::int64_t baud = 0;
        if (!parseWholeNumber(value, 50, 4'000'000, &baud)) {
            return fail(error, "--baud needs a rate from 50 to 4000000");
        }
        options->pace = PaceKind::baud;
        options->baud = static_cast<long>(baud);
        return 1;
    }
    if (!positiveRate(value, 100'000, &options->linesPerSecond)) {
        return fail(error, "--lines-per-second needs a rate above 0, at most 100000");
    }
    options->pace = PaceKind::lines;
    return 1;
}

int parseScenarioValue(const char* name, const char* value, SimOptions* options,
                       const char** error) {
    std::int64_t number = 0;
    if (is(name, "--scenario")) {
        if (!parseWholeNumber(value, 1, maxScenarioSeconds, &number)) {
            return fail(error, "--scenario needs a number of seconds");
        }
        options->useScenario = true;
        options->scenario.seconds = static_cast<int>(number);
        return 1;
    }
    if (is(name, "--rate")) {
        if (!parseWholeNumber(value, 1, 10, &number)) {
            return fail(error, "--rate needs 1, 2, 4, 5 or 10 epochs per second");
        }
        options->scenario.epochsPerSecond = static_cast<int>(number);
        options->realTime = true;
        return 1;
    }
    if (is(name, "--seed")) {
        if (!parseWholeNumber(value, 0, 0xFFFFFFFFLL, &number)) {
            return fail(error, "--seed needs a whole number from 0 to 4294967295");
        }
        options->scenario.seed = static_cast<unsigned>(number);
        return 1;
    }
    if (!parseWholeNumber(value, 0, maxScenarioSeconds, &number)) {
        return fail(error, "--fix-after needs a number of seconds");
    }
    options->scenario.fixAfterSeconds = static_cast<int>(number);
    return 1;
}

int parseStartValue(const char* name, const char* value, StartOptions* starts, const char** error) {
    if (is(name, "--ttff")) {
        return starts->ttff.setList(value)
                   ? 1
                   : fail(error, "--ttff needs KIND=SECONDS[,SECONDS...], each at most 3600");
    }
    if (is(name, "--ttff-seed")) {
        std::int64_t seed = 0;
        if (!parseWholeNumber(value, 0, 0xFFFFFFFFLL, &seed)) {
            return fail(error, "--ttff-seed needs a whole number from 0 to 4294967295");
        }
        starts->ttff.useSeed(static_cast<std::uint64_t>(seed));
        return 1;
    }
    if (is(name, "--ignore-start")) {
        StartKind kind = StartKind::cold;
        if (!parseStartKind(value, &kind)) {
            return fail(error, "--ignore-start is hot, warm, cold or factory");
        }
        starts->ignored[static_cast<std::size_t>(kind)] = true;
        return 1;
    }
    if (!is(value, "nofix") && !is(value, "silent")) {
        return fail(error, "--restart is nofix or silent");
    }
    starts->shows = is(value, "silent") ? RestartShows::silence : RestartShows::noFix;
    return 1;
}

int parseValue(const char* name, const char* value, SimOptions* options, const char** error) {
    if (value == nullptr) {
        return fail(error, "an option is missing its value");
    }
    if (is(name, "--ttff") || is(name, "--ttff-seed") || is(name, "--ignore-start") ||
        is(name, "--restart")) {
        return parseStartValue(name, value, &options->starts, error);
    }
    if (is(name, "--baud") || is(name, "--lines-per-second")) {
        return parsePace(name, value, options, error);
    }
    if (is(name, "--scenario") || is(name, "--seed") || is(name, "--fix-after") ||
        is(name, "--rate")) {
        return parseScenarioValue(name, value, options, error);
    }
    if (is(name, "--while-closed")) {
        if (!is(value, "hold") && !is(value, "run")) {
            return fail(error, "--while-closed is hold or run");
        }
        options->whileClosed = is(value, "hold") ? WhileClosed::hold : WhileClosed::run;
        return 1;
    }
    if (is(name, "--family")) {
        if (!parseReceiverFamily(value, &options->family)) {
            return fail(error, "--family is none, psrf, pmtk, pair, at or ubx");
        }
        return 1;
    }
    if (is(name, "--open-delay-ms")) {
        if (!parseWholeNumber(value, 0, 60'000, &options->openDelayMs)) {
            return fail(error, "--open-delay-ms needs 0 to 60000");
        }
        return 1;
    }
    const char** target = is(name, "--link")        ? &options->linkPath
                          : is(name, "--recording") ? &options->recordingPath
                          : is(name, "--received")  ? &options->receivedPath
                                                    : &options->sentPath;
    *target = value;
    return 1;
}

int checkComplete(const SimOptions& options, const char** error) {
    if (options.linkPath == nullptr) {
        return fail(error, "--link is required");
    }
    if (std::strlen(options.linkPath) >= PortLink::maxPath) {
        return fail(error, "--link path is too long");
    }
    if ((options.recordingPath != nullptr) == options.useScenario) {
        return fail(error, "give either --recording or --scenario");
    }
    if (options.useScenario && !describeScenarioProblem(options.scenario).empty()) {
        return fail(error, "the scenario options cannot be simulated");
    }
    return 1;
}

}  // namespace

int parseSimOptions(int argc, char** argv, SimOptions* options, const char** error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (takesValue(arg)) {
            const char* value = i + 1 < argc ? argv[++i] : nullptr;
            if (!parseValue(arg, value, options, error)) {
                return 0;
            }
        } else if (is(arg, "--loop")) {
            options->loop = true;
        } else if (is(arg, "--unpaced")) {
            options->pace = PaceKind::unlimited;
        } else if (is(arg, "--never-fix")) {
            options->starts.ttff.neverFix();
        } else {
            return fail(error, "unknown argument");
        }
    }
    return checkComplete(*options, error);
}
