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
constexpr AsciiNeedle rmcNeedle{"RMC"};
constexpr AsciiNeedle gsaNeedle{"GSA"};
constexpr AsciiNeedle gsvNeedle{"GSV"};
}  // namespace

int SentenceIntake::onLine(const LineBytes& received) {
    report = LineReport();
    takeLine(received);
    applyPendingReset();
    const IndexedText indexed(lineUnits, lineUnitCount);
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
    if (listener != nullptr) {
        listener->lineTaken(*this, host.tickCount());
    }
    return 1;
}

void SentenceIntake::reset() {
    for (char16_t& unit : lineUnits) {
        unit = 0;
    }
    lineUnitCount = 0;
    report = LineReport();
    replies = ReplyRecogniser();
    rmc = RmcFields();
    gsa = GsaFields();
}

// A line is its bytes up to the first NUL, at most 1023 of them; only a ring
// larger than a line could hand over more.
void SentenceIntake::takeLine(const LineBytes& received) {
    const std::size_t kept = received.count < maxLineUnits ? received.count : maxLineUnits;
    // The byte search is quicker than one over units.
    const auto* nul = static_cast<const std::uint8_t*>(std::memchr(received.bytes, 0, kept));
    lineUnitCount = nul == nullptr ? kept : static_cast<std::size_t>(nul - received.bytes);
    for (std::size_t i = 0; i < lineUnitCount; ++i) {
        lineUnits[i] = received.bytes[i];
    }
    lineUnits[lineUnitCount] = 0;
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
    report.checksumOk = sentenceChecksumOk(lineUnits, lineUnitCount);
    if (!report.checksumOk) {
        host.setConsoleColor(ConsoleColor::red);
        return;
    }
    host.setConsoleColor(ConsoleColor::black);
    host.logSentence(lineUnits, lineUnitCount);
}

// The first match wins: a line with both "RMC" and "GSV" is an RMC.
void SentenceIntake::dispatch(const IndexedText& line) {
    if (line.contains(rmcNeedle)) {
        report.parsed = ParsedSentence::rmc;
        parseRmc(lineUnits, rmc, state, host);
    } else if (line.contains(gsaNeedle)) {
        report.parsed = ParsedSentence::gsa;
        parseGsa(lineUnits, gsa, state, host);
    } else if (line.contains(gsvNeedle)) {
        report.parsed = ParsedSentence::gsv;
        parseGsv(lineUnits, gsv, state);
    }
}

// The console is emptied rather than trimmed so it never grows over a long run.
void SentenceIntake::echo() {
    if (host.consoleLineCount() > consoleLineLimit) {
        host.emptyConsole();
    }
    host.appendToConsole(lineUnits, lineUnitCount);
    report.shown = true;
}
