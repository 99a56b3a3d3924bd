#pragma once

#include <string>

#include "utc_clock.h"

namespace skyvane::scenario {

// NMEA number fields. No printf-style formatting of doubles: C libraries round and print
// doubles differently, so values are rounded to integers first and printed as digits.

// Non-negative integer, zero-padded to at least `width` digits.
std::string zeroPadded(long long value, int width);

// Fixed decimals, halves rounded away from zero: 1.005 with 2 decimals may print "1.00"
// or "1.01" depending on the binary value, but always the same on every platform.
std::string formatFixed(double value, int decimals);

// Course over ground in [0, 360) with two decimals; 359.999 prints as 0.00, not 360.00.
std::string formatCourse(double degrees);

// ddmm.mmmmm and dddmm.mmmmm of the absolute value; the caller writes the hemisphere.
std::string formatLatitude(double degrees);
std::string formatLongitude(double degrees);

std::string formatUtcTime(const UtcTime& time);  // hhmmss.ss
std::string formatUtcDate(const UtcTime& time);  // ddmmyy

}  // namespace skyvane::scenario
