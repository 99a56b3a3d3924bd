// skyvane-sim-receiver: a GNSS receiver on a pseudo-terminal, published as a serial port,
// for the end-to-end bench. See simUsage for the command line and the commands.

#include <csignal>
#include <cstdio>
#include <memory>

#include "receiver_family.h"
#include "recording_source.h"
#include "scenario_source.h"
#include "sim_options.h"
#include "simulator.h"

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void onStopSignal(int) {
    stopSignal = 1;
}

// A terminated simulator must still remove its port link, so the usual stop signals end
// the loop instead of the process; a closed answer pipe must not kill it either.
void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

std::unique_ptr<LineSource> openSource(const SimOptions& options) {
    if (options.useScenario) {
        return std::make_unique<ScenarioSource>(options.scenario);
    }
    return openRecording(options.recordingPath);
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    const char* error = nullptr;
    if (!parseSimOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "skyvane-sim-receiver: %s\n%s\n", error, simUsage);
        return 2;
    }
    std::unique_ptr<LineSource> source = openSource(options);
    if (source == nullptr) {
        std::fprintf(stderr, "skyvane-sim-receiver: cannot read %s\n", options.recordingPath);
        return 2;
    }
    ReceivedLog receivedLog;
    SentLog sentLog;
    if ((options.receivedPath != nullptr && !receivedLog.open(options.receivedPath)) ||
        (options.sentPath != nullptr && !sentLog.open(options.sentPath))) {
        std::fprintf(stderr, "skyvane-sim-receiver: cannot create a log file\n");
        return 2;
    }
    installSignalHandlers();
    Simulator simulator(options, std::move(source), makeReplyPolicy(options.family), 0, stdout,
                        &receivedLog, &sentLog);
    if (!simulator.start()) {
        return 1;
    }
    // poll returns within 100 ms, so a stop signal is seen promptly.
    while (!simulator.quitRequested() && stopSignal == 0) {
        simulator.step(100);
    }
    return 0;
}
