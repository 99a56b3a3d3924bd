#include "sentence_intake.h"

#include <cstring>

#include "base/indexed_text.h"
#include "base/text16.h"
#include "checksum.h"
#include "gsa.h"
#include "gsv.h"
#include "intake_host.h"
#include "receiver_state.h"
#include "rmc.h"

namespace {
constexpr AsciiNeedle rmc{"RMC"};
constexpr AsciiNeedle gsa{"GSA"};
constexpr AsciiNeedle gsv{"GSV"};
}  // namespace

int SentenceIntake::onLine(const LineBytes& received) {
    report = LineReport();
    takeLine(received);
    applyPendingReset();
    const IndexedText indexed(lineUnits, lineLength);
    replies.parseReplies(indexed, host);
    testChecksum();
    if (state.lineBusy) {
        return 0;
    }
    state.lineBusy = 1;
    if (state.ttffStartTick == 0) {
        // This line starts the first-fix measurement and is not parsed.
        state.ttffStartTick = host.tickCount();
    } else {
        dispatch(indexed);
    }
    echo();
    state.lineBusy = 0;
    return 1;
}

void SentenceIntake::reset() {
    for (char16_t& unit : lineUnits) {
        unit = 0;
    }
    lineLength = 0;
    report = LineReport();
    replies = ReplyRecogniser();
    rmcFields = RmcFields();
    gsaFields = GsaFields();
    gsvFields = GsvFields();
}

// A line is its bytes up to the first NUL, at most 1023 of them; only a ring
// larger than a line could hand over more.
void SentenceIntake::takeLine(const LineBytes& received) {
    const std::size_t kept = received.count < maxLineUnits ? received.count : maxLineUnits;
    // The byte search is quicker than one over units.
    const auto* nul = static_cast<const std::uint8_t*>(std::memchr(received.bytes, 0, kept));
    lineLength = nul == nullptr ? kept : static_cast<std::size_t>(nul - received.bytes);
    for (std::size_t i = 0; i < lineLength; ++i) {
        lineUnits[i] = received.bytes[i];
    }
    lineUnits[lineLength] = 0;
}

void SentenceIntake::applyPendingReset() {
    if (!state.resetPending) {
        return;
    }
    state.clearL1();
    host.requestRepaint();
    host.enableResetButtons();
    state.resetPending = 0;
}

void SentenceIntake::testChecksum() {
    report.checksumOk = sentenceChecksumOk(lineUnits, lineLength);
    if (!report.checksumOk) {
        host.setConsoleColor(ConsoleColor::red);
        return;
    }
    host.setConsoleColor(ConsoleColor::black);
    host.logSentence(lineUnits, lineLength);
}

// The first match wins: a line with both "RMC" and "GSV" is an RMC.
void SentenceIntake::dispatch(const IndexedText& line) {
    if (line.contains(rmc)) {
        report.parsed = ParsedSentence::rmc;
        parseRmc(lineUnits, rmcFields, state, host);
    } else if (line.contains(gsa)) {
        report.parsed = ParsedSentence::gsa;
        parseGsa(lineUnits, gsaFields, state, host);
    } else if (line.contains(gsv)) {
        report.parsed = ParsedSentence::gsv;
        parseGsv(lineUnits, gsvFields, state);
    }
}

// The console is emptied rather than trimmed so it never grows over a long run.
void SentenceIntake::echo() {
    if (host.consoleLineCount() > consoleLineLimit) {
        host.emptyConsole();
    }
    host.appendToConsole(lineUnits);
    report.shown = true;
}
