#pragma once

#include "sentence_fields.h"

class IntakeHost;
struct ReceiverState;

// Recommended minimum sentence: fix texts, local fix time, first fix, and the
// start of a new satellite epoch.
void parseRmc(const char16_t* line, RmcFields& fields, ReceiverState& state, IntakeHost& host);
