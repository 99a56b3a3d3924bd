// skyvane-scenario: writes a simulated cold-start drive as NMEA 0183 to standard output.

#include <cstdio>
#include <string>
#include <vector>

#include "cli_options.h"
#include "scenario.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The sentences already end in CR LF; text mode on Windows would make that CR CR LF.
void makeStdoutBinary() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool writeAll(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const skyvane::scenario::CommandLine commandLine =
        skyvane::scenario::parseCommandLine(arguments);
    const std::string usage(skyvane::scenario::usageText());
    if (commandLine.showHelp) {
        std::fprintf(stdout, "%s\n", usage.c_str());
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "skyvane-scenario: %s (%s)\n", commandLine.error.c_str(),
                     usage.c_str());
        return 2;
    }
    makeStdoutBinary();
    ScenarioGenerator generator(commandLine.options);
    std::string epoch;
    while (generator.appendNextEpoch(epoch) > 0) {
        if (!writeAll(epoch)) {
            std::fprintf(stderr, "skyvane-scenario: cannot write to standard output\n");
            return 1;
        }
        epoch.clear();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
