#pragma once

#include <array>

#include "gnss_system.h"

namespace skyvane::scenario {

// One signal of one constellation, reported as its own GSV set.
struct SignalBand {
    GnssSystem system;
    const char* talker;  // GSV talker ID
    int signalId;        // NMEA 4.11 signal ID, the last GSV field
    bool primary;        // the signal used for the fix and searched first
    int levelOffsetDb;   // relative C/N0: the modern wideband signals are a few dB stronger
};

inline constexpr int bandCount = 7;

// In the order the GSV sets are written.
const std::array<SignalBand, bandCount>& signalBands();

// Whether the satellite numbered prn broadcasts this signal.
bool transmits(const SignalBand& band, int prn);

}  // namespace skyvane::scenario
