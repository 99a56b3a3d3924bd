#pragma once
// Commands on the program's dialogs and keyboard: the About box, the file-open dialog,
// the foreground window and real keystrokes.

#include "command_support.h"

void aboutCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void fileDialogCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void openFileCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void cancelFileCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void keysCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
