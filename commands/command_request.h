#pragma once
// What the operator can ask of the receiver, one entry per command message.

#include <cstdint>

#include "command_step.h"
#include "start_commands.h"

enum class Command : std::uint8_t {
    coldStart,
    getVersion,
    factoryReset,
    powerSaveOn,
    powerSaveOff,
    gsvGsaOn,
    gsvGsaOff,
    vtgOn,
    vtgOff,
    sendText,
    autoStart,
    autoStop,
    defaultMode,
    changeBaud,
    startReceiver,  // one start of a campaign: a kind, for one family or all
};

// A command as asked for. The operator's text is read when it is asked for
// and travels with it; everything else is read when the command starts.
struct CommandRequest {
    Command command = Command::getVersion;
    CommandText text;
    StartKind startKind = StartKind::cold;
    CommandFamily family = CommandFamily::none;  // none: every family in turn
};

// Positions of the two rate lists when a command starts; -1: none selected.
struct RateSelection {
    int baudList = -1;
    int newRate = -1;
};
