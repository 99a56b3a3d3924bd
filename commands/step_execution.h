#pragma once
// What one step of a command does.

#include "command_step.h"

class CommandHost;
struct ReceiverState;

// Returns 1, or 0 when the command must end here: a reopen that failed. While
// the connection is not a port (none or a replay) no byte is written.
int executeStep(const CommandStep& step, CommandHost& host, ReceiverState& state);
