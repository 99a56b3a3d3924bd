#pragma once
// Signal strengths as the report counts them: a record is tracked when it
// is in view with a strength above 0, and a strength above 99 dB-Hz (more
// than NMEA's two digits can say, so a fault of the receiver or the line)
// counts as 99, so one hostile value cannot carry a mean or a top-4 away.

#include <cstdint>

constexpr int maxStrength = 99;

struct SatRecord;

// The strength a tracked record counts with, or 0 when it is not tracked.
int trackedStrength(const SatRecord& record);

// True when the record's strength was above maxStrength and was cut to it.
bool strengthClamped(const SatRecord& record);
