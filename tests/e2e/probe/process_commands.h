#pragma once
// Commands on the program's process and on the serial device map of the prefix.

#include "command_support.h"

void closeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void exitCodeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void portsCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void portsOnlyCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
