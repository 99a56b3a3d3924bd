#pragma once
// A command as data: steps with their times after the command starts, run in
// order by the command runner.

#include <cstdint>

#include "base/fixed_text.h"
#include "receiver_frames.h"
#include "serial/sentence_writer.h"

enum class StepAction : std::uint8_t {
    appendConsole,       // text
    emptyVersionFields,  // core and firmware version
    disableColdStart,
    disableFactoryReset,
    resetFirstFix,
    setTitle,        // text
    clearFirstBand,  // fix texts and the first-band tables
    clearAll,        // fix texts and all tables
    setResetPending,
    selectBaudList,  // baudIndex
    sendSentence,    // text, as it is
    sendChecked,     // text, checksum added
    sendFrame,       // frame
    withdrawPort,    // the reader ends and the handle is closed before a reopen
    reopenPort,      // baudIndex; a failure ends the command
    publishPort,     // purged, published, read again; a failure ends the command
    purgePort,
};

struct CommandStep {
    std::uint32_t atMs = 0;
    StepAction action = StepAction::appendConsole;
    const char16_t* text = nullptr;
    ByteFrame frame;
    int baudIndex = -1;
};

// Room for the longest command, the baud change with its three passes.
constexpr int maxCommandSteps = 24;

// The text a command builds or reads: a sentence with a rate, or the
// operator's text, which must fit the plain writer's line.
using CommandText = FixedText<plainTextLimit + 1>;

// Steps may point into `text`, so a sequence stays where it was built.
struct CommandSequence {
    CommandStep steps[maxCommandSteps];
    int count = 0;
    CommandText text;

    CommandSequence() = default;
    CommandSequence(const CommandSequence&) = delete;
    CommandSequence& operator=(const CommandSequence&) = delete;
};
