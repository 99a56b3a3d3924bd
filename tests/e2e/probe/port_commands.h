#pragma once
// Commands that make the probe another program holding a COM port.

#include "command_support.h"

void holdPortCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void releasePortCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
