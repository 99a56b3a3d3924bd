// skyvane-replay: runs a recorded byte stream through the sentence pipeline
// without windows and prints what it did as JSON Lines; on request it also
// draws the graphics panel as the recording leaves it, as SVG.

#include <cstdio>
#include <memory>
#include <string>

#include "binary_stdio.h"
#include "panel_file.h"
#include "replay_options.h"
#include "replay_session.h"
#include "trace_writer.h"

namespace {

const char* const usage =
    "usage: skyvane-replay [--utc-offset MINUTES] [--line-ms N] [--final] [--log PATH]\n"
    "         [--panel FILE.svg [--panel-size WxH] [--view NAME=N]... [--signal-offset N]] FILE\n"
    "  --panel          draw the graphics panel after the last line (default size 994x378)\n"
    "  --view NAME=N    NAME one of GPS GLS GAS BDS GNS; N = 0 hides that group\n"
    "  --signal-offset  added to signal levels while --log records, as in the program";

int fail(const char* reason) {
    std::fprintf(stderr, "skyvane-replay: %s\n%s\n", reason, usage);
    return 2;
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

}  // namespace

int main(int argc, char** argv) {
    useBinaryStdio();
    ReplayOptions options;
    const char* error = nullptr;
    if (!parseReplayOptions(argc, argv, &options, &error)) {
        return fail(error);
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
    const int status = replay(input, options, *session);
    if (!fromStdin) {
        std::fclose(input);
    }
    if (panel == nullptr || status != 0) {
        return status;
    }
    const PanelInputs inputs = replayPanelInputs(options.panel, options.logPath != nullptr);
    const int drawn = writePanelSvg(panel, session->state, inputs);
    if (std::fclose(panel) != 0 || !drawn) {
        return fail("the panel file could not be written");
    }
    return 0;
}
