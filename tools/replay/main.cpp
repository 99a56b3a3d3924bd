// skyvane-replay: runs a recorded byte stream through the sentence pipeline
// without windows and prints what it did as JSON Lines; on request it also
// draws the graphics panel as the recording leaves it, as SVG, and writes
// the run report (JSON, an HTML page or both) and judges it by limits.

#include <cstdio>
#include <memory>
#include <string>

#include "binary_stdio.h"
#include "panel_file.h"
#include "replay_options.h"
#include "replay_report.h"
#include "replay_session.h"
#include "trace_writer.h"

namespace {

const char* const usage =
    "usage: skyvane-replay [--utc-offset MINUTES] [--line-ms N] [--final] [--log PATH]\n"
    "         [--panel FILE.svg [--panel-size WxH] [--view NAME=N]... [--signal-offset N]]\n"
    "         [--report FILE.json] [--html FILE.html] [--reference LAT,LON] [--limits FILE]\n"
    "         FILE\n"
    "       skyvane-replay --help\n"
    "  FILE             the recording; - reads standard input\n"
    "  --panel          draw the graphics panel after the last line (default size 994x378)\n"
    "  --view NAME=N    NAME one of GPS GLS GAS BDS GNS; N = 0 hides that group\n"
    "  --signal-offset  added to signal levels while --log records, as in the program\n"
    "  --report         write the run report as JSON (docs/run-report.md)\n"
    "  --html           write the run report as an HTML page with charts (alone or\n"
    "                   beside --report)\n"
    "  --reference      the position the errors are taken from, in decimal degrees\n"
    "                   (default: the mean of the positions)\n"
    "  --limits         judge the run by the [LIMITS] section of FILE\n"
    "exit status: 0 done and every limit passed, 2 bad input, 3 a limit failed";

int fail(const char* reason) {
    std::fprintf(stderr, "skyvane-replay: %s\n%s\n", reason, usage);
    return exitBadInput;
}

// Bad input that is not a matter of usage: the message says it all.
int failInput(const char* reason) {
    std::fprintf(stderr, "skyvane-replay: %s\n", reason);
    return exitBadInput;
}

void flushTrace(std::string& trace) {
    std::fwrite(trace.data(), 1, trace.size(), stdout);
    trace.clear();
}

int replay(std::FILE* input, const ReplayOptions& options, ReplaySession& session) {
    std::string trace;
    trace.reserve(1 << 20);
    auto traceLine = [&] {
        appendTraceLine(trace, {session.lineCount(), session.lastTick(), session.intake,
                                session.host, session.state});
    };
    static std::uint8_t chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, input)) > 0) {
        if (options.finalOnly) {
            session.feed(chunk, got, [] {});
            continue;
        }
        session.feed(chunk, got, traceLine);
        if (trace.size() > (1 << 19)) {
            flushTrace(trace);
        }
    }
    if (std::ferror(input)) {
        return fail("the input could not be read");
    }
    if (options.finalOnly && session.lineCount() > 0) {
        traceLine();
    }
    flushTrace(trace);
    return 0;
}

// Closes the file; returns 1 when the drawing was written whole.
int writePanel(std::FILE* panel, const ReplayOptions& options, const ReplaySession& session) {
    const PanelInputs inputs = replayPanelInputs(options.panel, options.logPath != nullptr);
    const int drawn = writePanelSvg(panel, session.state, inputs);
    return std::fclose(panel) == 0 && drawn ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    useBinaryStdio();
    ReplayOptions options;
    const char* error = nullptr;
    if (!parseReplayOptions(argc, argv, &options, &error)) {
        return fail(error);
    }
    if (options.showHelp) {
        std::printf("%s\n", usage);
        return exitDone;
    }
    const bool fromStdin = options.inputPath[0] == '-' && options.inputPath[1] == 0;
    std::FILE* input = fromStdin ? stdin : std::fopen(options.inputPath, "rb");
    if (input == nullptr) {
        return fail("the input file cannot be opened");
    }
    auto session = std::make_unique<ReplaySession>(static_cast<std::uint32_t>(options.lineMs));
    if (options.hasUtcOffset) {
        session->host.useUtcOffset(options.utcOffsetMinutes);
    }
    if (options.logPath != nullptr && !session->host.openLog(options.logPath)) {
        return fail("the log file cannot be created");
    }
    // Created before the replay, so that a wrong path fails at once.
    std::FILE* panel =
        options.panel.path != nullptr ? std::fopen(options.panel.path, "wb") : nullptr;
    if (options.panel.path != nullptr && panel == nullptr) {
        return fail("the panel file cannot be created");
    }
    std::unique_ptr<ReplayReport> report;
    IniError problem;
    if (options.report.wanted()) {
        report = std::make_unique<ReplayReport>(options.report);
        if (!report->prepare(&problem)) {
            return failInput(problem.message);
        }
        report->listen(*session);
    }
    const int status = replay(input, options, *session);
    if (!fromStdin) {
        std::fclose(input);
    }
    if (status != 0) {
        return status;
    }
    if (panel != nullptr && !writePanel(panel, options, *session)) {
        return fail("the panel file could not be written");
    }
    if (report == nullptr) {
        return exitDone;
    }
    const int verdict = report->finish(&problem);
    return verdict == exitBadInput ? failInput(problem.message) : verdict;
}
