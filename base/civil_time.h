#pragma once
// A calendar date and time of day, laid out like the Windows SYSTEMTIME so the
// shell can hand it to the clock functions unchanged.

#include <cstdint>

struct CivilTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // 0 = Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

bool isAllZero(const CivilTime& time);

// The range the Windows clock conversions accept: years 1601 to 30827.
bool isValidCivilTime(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                      std::int64_t minute, std::int64_t second);

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);

// Shifts a valid time by whole minutes; fills the day of week. Returns 1, or 0
// when the result leaves the valid range.
int shiftCivilTime(const CivilTime& time, std::int64_t minutes, CivilTime* shifted);
