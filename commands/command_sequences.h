#pragma once
// Each command's steps: what it sends, to which receiver family, and when.

#include "command_request.h"

// Fills `sequence` with the steps of the request. Auto start and stop, and a
// baud change without a chosen rate, have none.
void buildSequence(const CommandRequest& request, const RateSelection& rates,
                   CommandSequence& sequence);
