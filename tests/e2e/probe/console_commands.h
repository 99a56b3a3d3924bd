#pragma once
// Commands on the rich-edit console of the control panel.

#include "command_support.h"

void consoleCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void consoleLinesCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
