#pragma once

#include <string>

#include "epoch_report.h"
#include "satellite_sentences.h"

namespace skyvane::scenario {

// Writes one epoch in the order a dual-band receiver sends it: RMC, VTG, GGA, the GSA
// set, the GSV sets of every signal, GLL, and every 30 s a TXT notice.
// Returns the number of sentences appended.
int appendEpochSentences(const EpochReport& report, GsaSet gsaSet, std::string& out);

}  // namespace skyvane::scenario
