#pragma once
// The probe's command set: one line in, one JSON line out.

#include "command_support.h"

// Runs one command; the answer is left in json. Returns false for "quit".
bool runProbeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
