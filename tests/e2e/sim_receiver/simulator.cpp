#include "simulator.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

Simulator::Simulator(const SimOptions& options, std::unique_ptr<LineSource> source,
                     std::unique_ptr<ReplyPolicy> replies, int commandFd, std::FILE* answers,
                     ReceivedLog* receivedLog, SentLog* sentLog)
    : options_(options),
      link_(options.linkPath),
      replies_(std::move(replies)),
      transmitter_(std::move(source),
                   options.pace == PaceKind::Baud    ? makeBaudPacer(options.baud)
                   : options.pace == PaceKind::Lines ? makeLinePacer(options.linesPerSecond)
                                                     : makeUnlimitedPacer(),
                   options.loop, sentLog),
      receiverControl(transmitter_, options.pace == PaceKind::Baud ? options.baud : 0),
      receivedLog_(receivedLog),
      commandFd_(commandFd),
      answers_(answers),
      startedAt_(monotonicMicros()) {}

bool Simulator::openPort() {
    if (!terminal_.open()) {
        return false;
    }
    if (!link_.pointTo(terminal_.slavePath())) {
        const int error = errno;
        terminal_.close();
        errno = error;
        return false;
    }
    peerOpen_ = false;
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
    link_.remove();
    terminal_.close();
    peerOpen_ = false;
    streaming_ = false;
    transmitter_.abandonChunk();
}

// In hold mode the line being sent when the program closes its port is lost with the
// port, and the stream picks up at the next line once the port is open again.
void Simulator::notePeer(Micros now) {
    const bool open = terminal_.peerIsOpen();
    if (open && !peerOpen_) {
        openedAt_ = now;
        ++opens_;
    } else if (!open && peerOpen_ && options_.whileClosed == WhileClosed::Hold) {
        transmitter_.abandonChunk();
    }
    peerOpen_ = open;
}

bool Simulator::mayStream(Micros now) const {
    if (!terminal_.isOpen() || paused_) {
        return false;
    }
    if (options_.whileClosed == WhileClosed::Run) {
        return true;
    }
    return peerOpen_ && now >= openedAt_ + options_.openDelayMs * 1000;
}

void Simulator::pumpStream(Micros now) {
    const bool may = mayStream(now);
    if (may && !streaming_) {
        transmitter_.restart(now);
    }
    streaming_ = may;
    nextPump_ = never;
    if (streaming_) {
        nextPump_ = transmitter_.pump(now, peerOpen_ ? &terminal_ : nullptr);
    }
}

int Simulator::pollTimeoutMs(Micros now, int maxWaitMs) const {
    int timeout = maxWaitMs;
    if (streaming_ && !transmitter_.blocked()) {
        timeout = std::min(timeout, millisUntil(now, nextPump_));
    }
    if (terminal_.isOpen() && !peerOpen_) {
        timeout = std::min(timeout, peerCheckMs);
    }
    if (terminal_.isOpen() && peerOpen_ && !streaming_ && !paused_) {
        timeout = std::min(timeout, millisUntil(now, openedAt_ + options_.openDelayMs * 1000));
    }
    return std::max(timeout, 0);
}

void Simulator::step(int maxWaitMs) {
    const Micros before = monotonicMicros();
    pollfd entries[2];
    nfds_t count = 0;
    if (commandFd_ >= 0) {
        entries[count++] = pollfd{commandFd_, POLLIN, 0};
    }
    const bool watchPort = terminal_.isOpen() && peerOpen_;
    if (watchPort) {
        const short events = static_cast<short>(POLLIN | (transmitter_.blocked() ? POLLOUT : 0));
        entries[count++] = pollfd{terminal_.masterFd(), events, 0};
    }
    const int ready = ::poll(entries, count, pollTimeoutMs(before, maxWaitMs));
    const Micros now = monotonicMicros();
    if (ready > 0 && commandFd_ >= 0 && entries[0].revents != 0) {
        readCommands();
    }
    if (ready > 0 && watchPort && terminal_.isOpen() && (entries[count - 1].revents & POLLIN)) {
        readFromProgram(now);
    }
    if (terminal_.isOpen()) {
        notePeer(now);
    }
    pumpStream(now);
}

void Simulator::readCommands() {
    char bytes[1024];
    const ssize_t got = ::read(commandFd_, bytes, sizeof bytes);
    if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
        quit_ = true;  // whoever drove us is gone
        return;
    }
    if (got > 0) {
        commands_.feed(bytes, static_cast<std::size_t>(got),
                       [this](const char* line) { handleCommand(line); });
    }
}

void Simulator::readFromProgram(Micros now) {
    std::uint8_t bytes[4096];
    const ssize_t got = terminal_.read(bytes, sizeof bytes);
    if (got <= 0) {
        return;  // EIO once the program has closed the port; notePeer sees that
    }
    const auto count = static_cast<std::size_t>(got);
    received_ += got;
    if (receivedLog_ != nullptr) {
        receivedLog_->append(now - startedAt_, bytes, count);
    }
    replies_->onReceived(bytes, count, receiverControl);
}

void Simulator::handleCommand(const char* line) {
    const CommandWords words(line);
    if (words.count() == 0) {
        return;
    }
    if (words.is("stats")) {
        answerStats(monotonicMicros());
    } else if (words.is("pause") || words.is("resume")) {
        paused_ = words.is("pause");
        answerOk(words.verb());
    } else if (words.is("vanish")) {
        if (!terminal_.isOpen()) {
            answerError("vanish", "the port is already gone");
            return;
        }
        vanish();
        answerOk("vanish");
    } else if (words.is("return")) {
        if (terminal_.isOpen()) {
            answerError("return", "the port is there");
        } else if (!openPort()) {
            answerError("return", std::strerror(errno));
        } else {
            answerPort("return", false);
        }
    } else if (words.is("send")) {
        char text[CommandWords::maxLine + 2];
        const int length = std::snprintf(text, sizeof text, "%s\r\n", words.rest());
        const bool queued = length > 0 && transmitter_.replies().queueReply(
                                              reinterpret_cast<const std::uint8_t*>(text),
                                              static_cast<std::size_t>(length));
        queued ? answerOk("send") : answerError("send", "the reply queue is full");
    } else if (words.is("quit")) {
        quit_ = true;
        answerOk("quit");
    } else {
        answerError(words.verb(), "unknown command");
    }
}

void Simulator::answerOk(const char* command) {
    char text[256];
    JsonWriter json(text, sizeof text);
    json.field("ok", true).field("command", command);
    std::fprintf(answers_, "%s\n", json.finish());
    std::fflush(answers_);
}

void Simulator::answerError(const char* command, const char* reason) {
    char text[512];
    JsonWriter json(text, sizeof text);
    json.field("ok", false).field("command", command).field("error", reason);
    std::fprintf(answers_, "%s\n", json.finish());
    std::fflush(answers_);
}

void Simulator::answerPort(const char* command, bool ready) {
    char text[PortLink::maxPath + 512];
    JsonWriter json(text, sizeof text);
    json.field("ok", true).field("command", command);
    if (ready) {
        json.field("ready", true);
    }
    json.field("link", link_.path()).field("slave", terminal_.slavePath());
    std::fprintf(answers_, "%s\n", json.finish());
    std::fflush(answers_);
}

void Simulator::answerStats(Micros now) {
    const TransmitCounters& sent = transmitter_.counters();
    char text[1024];
    JsonWriter json(text, sizeof text);
    json.field("ok", true)
        .field("command", "stats")
        .field("lines", sent.lines)
        .field("bytes", sent.bytes)
        .field("reply_bytes", sent.replyBytes)
        .field("discarded", sent.discarded)
        .field("received", received_)
        .field("port_present", terminal_.isOpen())
        .field("port_open", peerOpen_)
        .field("opens", opens_)
        .field("streaming", streaming_)
        .field("paused", paused_)
        .field("blocked", transmitter_.blocked())
        .field("finished", transmitter_.finished())
        .field("family", receiverFamilyName(options_.family))
        .field("baud", static_cast<std::int64_t>(receiverControl.baud()))
        .field("line_baud", static_cast<std::int64_t>(terminal_.lineBaud()))
        .field("rate_switches", receiverControl.rateSwitches())
        .field("cold_starts", receiverControl.coldStarts())
        .field("ms", static_cast<std::int64_t>((now - startedAt_) / 1000));
    std::fprintf(answers_, "%s\n", json.finish());
    std::fflush(answers_);
}
