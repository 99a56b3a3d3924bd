#pragma once
// The command families a receiver may speak, each known by its command set: the
// replies show which one answered, and the start commands address each one.

#include <cstdint>

enum class CommandFamily : std::uint8_t {
    none,  // no family known yet
    psrf,  // $PSRF sentences
    pmtk,  // $PMTK sentences
    pair,  // $PAIR sentences
    at,    // "@" commands
    ubx,   // UBX binary frames
};

// "none", "psrf", "pmtk", "pair", "at" or "ubx", as reports and command lines name them.
const char* commandFamilyName(CommandFamily family);
