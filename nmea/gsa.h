#pragma once

#include "sentence_fields.h"

class IntakeHost;
struct ReceiverState;

// Satellites used in the solution, fix status and dilution of precision.
void parseGsa(const char16_t* line, GsaFields& fields, ReceiverState& state, IntakeHost& host);
