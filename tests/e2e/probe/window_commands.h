#pragma once
// Commands on the main window and the control panel's controls.

#include "command_support.h"

void waitWindowCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void windowCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void titleCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void textCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void setTextCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void stateCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void clickCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void idleCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void comboCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void selectCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void menuCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
void sendMessageCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json);
