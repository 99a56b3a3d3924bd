#pragma once
// Which receiver command each private message of the control panel asks for.

#include "commands/command_request.h"

// Returns 1 with the command, or 0 for a message that is not a command.
int commandForMessage(unsigned message, Command* command);
