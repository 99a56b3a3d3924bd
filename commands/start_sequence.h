#pragma once
// The steps of one start: the writes of a family's start command, or of every family's
// in turn, in the order and at the pace of the Cold Start button. Only writes: what a
// start shows or measures is up to whoever runs it.

#include <cstdint>

#include "command_step.h"
#include "start_commands.h"

// Between two families' commands, as the Cold Start and Factory Reset buttons pace them.
constexpr std::uint32_t familyPaceMs = 200;

// The family's command for the kind, at 0 ms. Returns the number of writes: 1, or 0 (and
// an empty sequence) when the family has no command for the kind.
int buildStartSequence(StartKind kind, CommandFamily family, CommandSequence& sequence);

// Every family's command for the kind, PSRF, PMTK, PAIR, "@" and UBX, familyPaceMs
// apart; a family without one is passed over without a gap. Returns the number of writes.
int buildAllFamiliesStartSequence(StartKind kind, CommandSequence& sequence);

// Milliseconds from the start of the sequence to its first write, from which a campaign
// times the start; -1 when it writes nothing.
std::int32_t firstWriteAtMs(const CommandSequence& sequence);
