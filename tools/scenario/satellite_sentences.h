#pragma once

#include <string>
#include <vector>

#include "epoch_report.h"

namespace skyvane::scenario {

enum class GsaSet {
    fourSystems,  // one GNGSA per constellation: GPS, GLONASS, Galileo, BeiDou
    withQzss,     // and a fifth for QZSS, listing no satellite
};

// Returns the sentence count.
int appendGsaSet(const EpochReport& report, GsaSet gsaSet, std::string& out);

// The GSV messages of one signal: four satellites each, at least one message even when
// nothing is in view. Returns the message count.
int appendGsvSet(const SignalBand& band, const std::vector<SignalReport>& satellites,
                 std::string& out);

}  // namespace skyvane::scenario
