#pragma once

namespace skyvane::scenario {

// A civil UTC date and time; leap seconds are ignored, as receivers do in their output.
struct UtcTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int hundredths = 0;  // only a receiver with several epochs a second shows them
};

// NMEA dates carry two year digits, so only 2000-2099 can be written unambiguously.
inline constexpr int firstYear = 2000;
inline constexpr int lastYear = 2099;

int daysInMonth(int year, int month);
bool isValidUtcTime(const UtcTime& time);

// The same instant one second later, rolling minutes, hours, days, months and years.
UtcTime nextSecond(UtcTime time);

// The same instant `hundredths` (0 to 100) hundredths of a second later.
UtcTime laterByHundredths(UtcTime time, int hundredths);

}  // namespace skyvane::scenario
