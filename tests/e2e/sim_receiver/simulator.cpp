#include "simulator.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "command_words.h"
#include "json_writer.h"

namespace {

// While nobody has the port open the master reports a hang-up without pause, so it is
// not polled then; its state is looked at this often instead.
constexpr int peerCheckMs = 10;

int millisUntil(Micros now, Micros then) {
    if (then <= now) {
        return 0;
    }
    const Micros ms = (then - now + 999) / 1000;
    return ms > INT32_MAX ? INT32_MAX : static_cast<int>(ms);
}

}  // namespace

Simulator::Simulator(const SimOptions& chosen, std::unique_ptr<LineSource> source,
                     std::unique_ptr<ReplyPolicy> policy, int commandInput, std::FILE* answerOutput,
                     ReceivedLog* programBytes, SentLog* sentLog)
    : options(chosen),
      link(chosen.linkPath),
      replyPolicy(std::move(policy)),
      transmitter(std::move(source),
                  chosen.pace == PaceKind::baud && chosen.realTime
                      ? makeEpochPacer(chosen.scenario.epochsPerSecond, chosen.baud)
                  : chosen.pace == PaceKind::baud  ? makeBaudPacer(chosen.baud)
                  : chosen.pace == PaceKind::lines ? makeLinePacer(chosen.linesPerSecond)
                                                   : makeUnlimitedPacer(),
                  chosen.loop, sentLog),
      receiverControl(transmitter, chosen.pace == PaceKind::baud ? chosen.baud : 0, chosen.starts),
      receivedLog(programBytes),
      commandFd(commandInput),
      answers(answerOutput),
      startedAt(monotonicMicros()) {}

bool Simulator::openPort() {
    if (!terminal.open()) {
        return false;
    }
    if (!link.pointTo(terminal.slavePath())) {
        const int error = errno;
        terminal.close();
        errno = error;
        return false;
    }
    peerOpen = false;
    return true;
}

bool Simulator::start() {
    if (!openPort()) {
        answerError("start", std::strerror(errno));
        return false;
    }
    answerPort("start", true);
    return true;
}

void Simulator::vanish() {
    link.remove();
    terminal.close();
    peerOpen = false;
    streaming = false;
    transmitter.abandonChunk();
}

// In hold mode the line being sent when the program closes its port is lost with the
// port, and the stream picks up at the next line once the port is open again.
void Simulator::notePeer(Micros now) {
    const bool open = terminal.peerIsOpen();
    if (open && !peerOpen) {
        openedAt = now;
        ++opens;
    } else if (!open && peerOpen && options.whileClosed == WhileClosed::hold) {
        transmitter.abandonChunk();
    }
    peerOpen = open;
}

bool Simulator::mayStream(Micros now) const {
    if (!terminal.isOpen() || paused) {
        return false;
    }
    if (options.whileClosed == WhileClosed::run) {
        return true;
    }
    return peerOpen && now >= openedAt + options.openDelayMs * 1000;
}

void Simulator::pumpStream(Micros now) {
    const bool may = mayStream(now);
    if (may && !streaming) {
        transmitter.restart(now);
    }
    streaming = may;
    nextPump = never;
    if (streaming) {
        nextPump = transmitter.pump(now, peerOpen ? &terminal : nullptr);
    }
}

int Simulator::pollTimeoutMs(Micros now, int maxWaitMs) const {
    int timeout = maxWaitMs;
    if (streaming && !transmitter.blocked()) {
        timeout = std::min(timeout, millisUntil(now, nextPump));
    }
    if (terminal.isOpen() && !peerOpen) {
        timeout = std::min(timeout, peerCheckMs);
    }
    if (terminal.isOpen() && peerOpen && !streaming && !paused) {
        timeout = std::min(timeout, millisUntil(now, openedAt + options.openDelayMs * 1000));
    }
    return std::max(timeout, 0);
}

void Simulator::step(int maxWaitMs) {
    const Micros before = monotonicMicros();
    pollfd entries[2];
    nfds_t count = 0;
    if (commandFd >= 0) {
        entries[count++] = pollfd{commandFd, POLLIN, 0};
    }
    const bool watchPort = terminal.isOpen() && peerOpen;
    if (watchPort) {
        const short events = static_cast<short>(POLLIN | (transmitter.blocked() ? POLLOUT : 0));
        entries[count++] = pollfd{terminal.masterFd(), events, 0};
    }
    const int ready = ::poll(entries, count, pollTimeoutMs(before, maxWaitMs));
    const Micros now = monotonicMicros();
    if (ready > 0 && commandFd >= 0 && entries[0].revents != 0) {
        readCommands();
    }
    if (ready > 0 && watchPort && terminal.isOpen() && (entries[count - 1].revents & POLLIN)) {
        readFromProgram(now);
    }
    if (terminal.isOpen()) {
        notePeer(now);
    }
    pumpStream(now);
}

void Simulator::readCommands() {
    char bytes[1024];
    const ssize_t got = ::read(commandFd, bytes, sizeof bytes);
    if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
        quit = true;  // whoever drove us is gone
        return;
    }
    if (got > 0) {
        commandReader.feed(bytes, static_cast<std::size_t>(got),
                           [this](const char* line) { handleCommand(line); });
    }
}

void Simulator::readFromProgram(Micros now) {
    std::uint8_t bytes[4096];
    const ssize_t got = terminal.read(bytes, sizeof bytes);
    if (got <= 0) {
        return;  // EIO once the program has closed the port; notePeer sees that
    }
    const auto count = static_cast<std::size_t>(got);
    receivedBytes += got;
    if (receivedLog != nullptr) {
        receivedLog->append(now - startedAt, bytes, count);
    }
    replyPolicy->onReceived(bytes, count, receiverControl);
}

void Simulator::handleCommand(const char* line) {
    const CommandWords words(line);
    if (words.count() == 0) {
        return;
    }
    if (words.is("stats")) {
        answerStats(monotonicMicros());
    } else if (words.is("pause") || words.is("resume")) {
        paused = words.is("pause");
        answerOk(words.verb());
    } else if (words.is("vanish")) {
        if (!terminal.isOpen()) {
            answerError("vanish", "the port is already gone");
            return;
        }
        vanish();
        answerOk("vanish");
    } else if (words.is("return")) {
        if (terminal.isOpen()) {
            answerError("return", "the port is there");
        } else if (!openPort()) {
            answerError("return", std::strerror(errno));
        } else {
            answerPort("return", false);
        }
    } else if (words.is("send")) {
        char text[CommandWords::maxLine + 2];
        const int length = std::snprintf(text, sizeof text, "%s\r\n", words.rest());
        const bool queued = length > 0 && transmitter.replies().queueReply(
                                              reinterpret_cast<const std::uint8_t*>(text),
                                              static_cast<std::size_t>(length));
        queued ? answerOk("send") : answerError("send", "the reply queue is full");
    } else if (words.is("quit")) {
        quit = true;
        answerOk("quit");
    } else {
        answerError(words.verb(), "unknown command");
    }
}

void Simulator::answerOk(const char* command) {
    char text[256];
    JsonWriter json(text, sizeof text);
    json.field("ok", true).field("command", command);
    std::fprintf(answers, "%s\n", json.finish());
    std::fflush(answers);
}

void Simulator::answerError(const char* command, const char* reason) {
    char text[512];
    JsonWriter json(text, sizeof text);
    json.field("ok", false).field("command", command).field("error", reason);
    std::fprintf(answers, "%s\n", json.finish());
    std::fflush(answers);
}

void Simulator::answerPort(const char* command, bool ready) {
    char text[PortLink::maxPath + 512];
    JsonWriter json(text, sizeof text);
    json.field("ok", true).field("command", command);
    if (ready) {
        json.field("ready", true);
    }
    json.field("link", link.path()).field("slave", terminal.slavePath());
    std::fprintf(answers, "%s\n", json.finish());
    std::fflush(answers);
}

void Simulator::answerStats(Micros now) {
    const TransmitCounters& sent = transmitter.counters();
    const StartResponder& starts = receiverControl.starts();
    std::vector<char> text(1024 + 96 * starts.starts().size());
    JsonWriter json(text.data(), text.size());
    json.field("ok", true)
        .field("command", "stats")
        .field("lines", sent.lines)
        .field("bytes", sent.bytes)
        .field("reply_bytes", sent.replyBytes)
        .field("discarded", sent.discarded)
        .field("received", receivedBytes)
        .field("port_present", terminal.isOpen())
        .field("port_open", peerOpen)
        .field("opens", opens)
        .field("streaming", streaming)
        .field("paused", paused)
        .field("blocked", transmitter.blocked())
        .field("finished", transmitter.finished())
        .field("family", receiverFamilyName(options.family))
        .field("baud", static_cast<std::int64_t>(receiverControl.baud()))
        .field("line_baud", static_cast<std::int64_t>(terminal.lineBaud()))
        .field("rate_switches", receiverControl.rateSwitches())
        .field("cold_starts", starts.coldStarts())
        .field("ignored_starts", starts.ignoredStarts());
    writeStarts(json, starts.starts());
    json.field("ms", millisSince(now));
    std::fprintf(answers, "%s\n", json.finish());
    std::fflush(answers);
}

// Each honoured start: its kind, when it came (on the clock of "ms"), and how the fix
// came back: "timed" after "ttff_ms", "never", or with the "stream" started over.
void Simulator::writeStarts(JsonWriter& json, const std::vector<StartRecord>& starts) const {
    json.beginArray("starts");
    for (const StartRecord& start : starts) {
        json.beginObject()
            .field("kind", startKindName(start.kind))
            .field("ms", millisSince(start.at))
            .field("fix", start.fix == FixAfterStart::timed   ? "timed"
                          : start.fix == FixAfterStart::neverAgain ? "never"
                                                              : "stream");
        if (start.fix == FixAfterStart::timed) {
            json.field("ttff_ms", static_cast<std::int64_t>(start.ttff / 1000));
        } else {
            json.nullField("ttff_ms");
        }
        json.endObject();
    }
    json.endArray();
}

std::int64_t Simulator::millisSince(Micros then) const {
    return static_cast<std::int64_t>((then - startedAt) / 1000);
}
