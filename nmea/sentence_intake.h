#pragma once
// The road of every received line: out of the byte ring, past the reply
// recognisers, the checksum test and the log, into the parsers and the console.

#include <cstddef>
#include <cstdint>

#include "reply_recogniser.h"
#include "sentence_fields.h"
#include "serial/line_batch.h"

class IndexedText;
class IntakeHost;
struct ReceiverState;

enum class ParsedSentence { none, rmc, gsa, gsv };

// The console is emptied before a line once it holds more lines than this.
constexpr int consoleLineLimit = 2000;

// What happened to the last line, for observers such as the headless replay.
struct LineReport {
    bool checksumOk = false;
    ParsedSentence parsed = ParsedSentence::none;
    bool shown = false;
};

class SentenceIntake;

// Told of every line the intake has processed, after the parsers and the
// console had it: the run's statistics listen here, live and in a replay.
class IntakeListener {
public:
    virtual ~IntakeListener() = default;
    // `tick` is the host's millisecond tick at the line.
    virtual void lineTaken(const SentenceIntake& intake, std::uint32_t tick) = 0;
};

class SentenceIntake {
public:
    SentenceIntake(ReceiverState& receiverState, IntakeHost& intakeHost)
        : state(receiverState), host(intakeHost) {}

    // Handles one received line: the bytes the reader's ring held for it, up
    // to its NUL (a line longer than the ring arrives without one and keeps
    // its first 1023 units). Returns 1 when it was processed, 0 when the busy
    // guard dropped it.
    int onLine(const LineBytes& received);

    // Back to the state of a new intake: no line, no reply seen, and field
    // lists as empty as they start, since a list keeps fields between lines.
    void reset();

    // At most one listener; null for none.
    void setListener(IntakeListener* lineListener) { listener = lineListener; }

    const char16_t* line() const { return lineUnits; }
    std::size_t lineLength() const { return lineUnitCount; }
    const LineReport& lastLine() const { return report; }
    const ReceiverState& receiverState() const { return state; }
    // The parsers' field lists as the last line left them (a list keeps
    // fields a shorter line did not reach).
    const RmcFields& rmcFields() const { return rmc; }
    const GsaFields& gsaFields() const { return gsa; }
    // Whose version reply came last since the intake was new or reset.
    CommandFamily lastVersionFamily() const { return replies.lastVersionFamily(); }

private:
    void takeLine(const LineBytes& received);
    void applyPendingReset();
    void testChecksum();
    void dispatch(const IndexedText& line);
    void echo();

    ReceiverState& state;
    IntakeHost& host;

    char16_t lineUnits[maxLineUnits + 1] = {};
    std::size_t lineUnitCount = 0;
    LineReport report;
    IntakeListener* listener = nullptr;

    ReplyRecogniser replies;
    RmcFields rmc;
    GsaFields gsa;
    GsvFields gsv;  // where the last GSV's fields lay; nothing kept between lines
};
