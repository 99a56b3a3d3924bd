#pragma once

#include <cstdint>

// RMC field 1 as milliseconds of the day: six digits hhmmss (hh <= 23,
// mm <= 59, ss <= 60 for a leap second), optionally "." and at least one
// digit, of which the first three, padded with zeros, are milliseconds.
// False for anything else: the sample then has no time.
bool parseRmcTime(const char16_t* field, std::int32_t* msOfDay);
