#include "command_sequences.h"

#include <initializer_list>

#include "serial/baud_rates.h"
#include "start_sequence.h"

namespace {

const char16_t* const receiverCommandOk = u"$PSRF\r\n...OK\r\n";
const char16_t* const sendMessageOk = u"Send Message\r\n...OK\r\n";
const char16_t* const programTitle = u"Skyvane";
const char16_t* const pairSaveSettings = u"$PAIR023";
constexpr int defaultModeBaudIndex = 7;  // 921600

// Appends steps at a running time; a pause moves the time on.
class SequenceBuilder {
public:
    explicit SequenceBuilder(CommandSequence& target) : sequence(target) { sequence.count = 0; }

    void pause(std::uint32_t ms) { at += ms; }
    void act(StepAction action) { add(action); }
    void withText(StepAction action, const char16_t* text) { add(action).text = text; }
    void withRate(StepAction action, int baudIndex) { add(action).baudIndex = baudIndex; }
    void console(const char16_t* text) { withText(StepAction::appendConsole, text); }
    void send(const char16_t* text) { withText(StepAction::sendSentence, text); }
    void sendChecked(const char16_t* text) { withText(StepAction::sendChecked, text); }
    void frame(const ByteFrame& frame) { add(StepAction::sendFrame).frame = frame; }

private:
    // Every command fits maxCommandSteps; the bound only keeps a mistake
    // inside the array.
    CommandStep& add(StepAction action) {
        const int index = sequence.count < maxCommandSteps ? sequence.count++ : maxCommandSteps - 1;
        CommandStep& step = sequence.steps[index];
        step = CommandStep();
        step.atMs = at;
        step.action = action;
        return step;
    }

    CommandSequence& sequence;
    std::uint32_t at = 0;
};

// The text with the rate of the given index, into the sequence's own text.
const char16_t* rateSentence(CommandSequence& sequence, const char* pattern, int baudIndex) {
    sequence.text.format(pattern, static_cast<unsigned>(baudRates[baudIndex]));
    return sequence.text.c_str();
}

// One family after the other: each sentence as it is, 200 ms before the next.
void sendPaced(SequenceBuilder& b, std::initializer_list<const char16_t*> sentences) {
    for (const char16_t* sentence : sentences) {
        b.send(sentence);
        b.pause(200);
    }
}

// A reset receiver starts the time to first fix afresh, without old positions.
void restartMeasurement(SequenceBuilder& b, StepAction clearTables) {
    b.act(StepAction::resetFirstFix);
    b.withText(StepAction::setTitle, programTitle);
    b.act(clearTables);
}

void coldStart(SequenceBuilder& b) {
    b.act(StepAction::disableColdStart);
    b.act(StepAction::emptyVersionFields);
    restartMeasurement(b, StepAction::clearFirstBand);
    b.console(receiverCommandOk);
    sendPaced(
        b, {u"$PSRF104,0,0,0,96000,237759,1946,12,4*1D", u"$PMTK103*30", u"$PAIR006*3C", u"@GCD"});
    b.frame(cfgRstFrame);
    b.act(StepAction::setResetPending);
}

void getVersion(SequenceBuilder& b) {
    b.console(receiverCommandOk);
    b.act(StepAction::emptyVersionFields);
    sendPaced(b, {u"@VER", u"$PMTK605*31", u"$PSRF125*21", u"$PAIR020*38"});
    b.frame(monVerPoll);
}

// Without a selected rate the rate sentence is left out; the other writes
// keep their times.
void factoryReset(SequenceBuilder& b, CommandSequence& sequence, int baudIndex) {
    const char16_t* rateText = nullptr;
    if (isBaudIndex(baudIndex)) {
        rateText = rateSentence(sequence, "$PSRF100,0,%u,8,1,0", baudIndex);
    }
    b.act(StepAction::emptyVersionFields);
    b.act(StepAction::disableFactoryReset);
    restartMeasurement(b, StepAction::clearAll);
    b.console(receiverCommandOk);
    b.pause(200);
    sendPaced(b, {u"$PMTK104*37", u"@GSR", u"$PAIR007*3D"});
    if (rateText != nullptr) {
        b.sendChecked(rateText);
    }
    b.pause(600);
    b.frame(resetFrameA0A2);
    b.pause(200);
    b.frame(resetFrameA0A2);
    b.pause(200);
    b.frame(cfgRstFrame);
    b.act(StepAction::setResetPending);
}

void gsvGsaOn(SequenceBuilder& b) {
    b.console(receiverCommandOk);
    b.sendChecked(u"$PSRF103,02,00,01,01");
    b.pause(200);
    b.sendChecked(u"$PSRF103,03,00,05,01");
}

void gsvGsaOff(SequenceBuilder& b) {
    b.console(receiverCommandOk);
    b.sendChecked(u"$PSRF103,02,00,00,01");
    b.sendChecked(u"$PSRF103,03,00,00,01");
}

// One sentence, with the console text before it.
void single(SequenceBuilder& b, const char16_t* console, const char16_t* sentence) {
    b.console(console);
    b.send(sentence);
}

// The port goes away, comes back at the new rate 500 ms later (line settings
// and timeouts set again), is purged and published after another 500 ms, and
// purged once more 500 ms after that.
void reopenAt(SequenceBuilder& b, int baudIndex) {
    b.act(StepAction::withdrawPort);
    b.pause(500);
    b.withRate(StepAction::reopenPort, baudIndex);
    b.pause(500);
    b.act(StepAction::publishPort);
    b.pause(500);
    b.act(StepAction::purgePort);
}

void defaultMode(SequenceBuilder& b, CommandSequence& sequence) {
    b.console(receiverCommandOk);
    b.withRate(StepAction::selectBaudList, defaultModeBaudIndex);
    b.sendChecked(rateSentence(sequence, "$PAIR864,0,0,%u", defaultModeBaudIndex));
    b.pause(500);
    b.sendChecked(pairSaveSettings);
    b.pause(2000);
    reopenAt(b, defaultModeBaudIndex);
}

// Three passes; after the first the port already runs at the new rate.
void changeBaud(SequenceBuilder& b, CommandSequence& sequence, int baudIndex) {
    if (!isBaudIndex(baudIndex)) {
        return;
    }
    b.console(receiverCommandOk);
    b.withRate(StepAction::selectBaudList, baudIndex);
    const char16_t* rateText = rateSentence(sequence, "$PAIR864,0,0,%u", baudIndex);
    for (int pass = 0; pass < 3; ++pass) {
        b.sendChecked(rateText);
        b.pause(500);
        b.sendChecked(pairSaveSettings);
        b.pause(1000);
        reopenAt(b, baudIndex);
    }
}

void sendText(SequenceBuilder& b, CommandSequence& sequence, const CommandText& text) {
    sequence.text.assign(text.c_str());
    single(b, sendMessageOk, sequence.text.c_str());
}

}  // namespace

void buildSequence(const CommandRequest& request, const RateSelection& rates,
                   CommandSequence& sequence) {
    SequenceBuilder b(sequence);
    switch (request.command) {
        case Command::coldStart:
            return coldStart(b);
        case Command::getVersion:
            return getVersion(b);
        case Command::factoryReset:
            return factoryReset(b, sequence, rates.baudList);
        case Command::powerSaveOn:
            return single(b, receiverCommandOk, u"$PSRF150,0,300,1000,1");
        case Command::powerSaveOff:
            return single(b, receiverCommandOk, u"$PSRF150,0,1000,1000,0");
        case Command::gsvGsaOn:
            return gsvGsaOn(b);
        case Command::gsvGsaOff:
            return gsvGsaOff(b);
        case Command::vtgOn:
            return single(b, receiverCommandOk, u"$PSRF103,05,00,01,01*20");
        case Command::vtgOff:
            return single(b, receiverCommandOk, u"$PSRF103,05,00,00,01*21");
        case Command::sendText:
            return sendText(b, sequence, request.text);
        case Command::defaultMode:
            return defaultMode(b, sequence);
        case Command::changeBaud:
            return changeBaud(b, sequence, rates.newRate);
        case Command::startReceiver:
            if (request.family == CommandFamily::none) {
                buildAllFamiliesStartSequence(request.startKind, sequence);
            } else {
                buildStartSequence(request.startKind, request.family, sequence);
            }
            return;
        case Command::autoStart:
        case Command::autoStop:
            return;
    }
}
