#pragma once
// Commands that read what the graphics panel shows.

#include "command_support.h"

void panelSizeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void pixelsCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
