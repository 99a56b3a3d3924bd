#include "utc_clock.h"

namespace skyvane::scenario {

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int daysInMonth(int year, int month) {
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidUtcTime(const UtcTime& time) {
    return time.year >= firstYear && time.year <= lastYear && time.month >= 1 && time.month <= 12 &&
           time.day >= 1 && time.day <= daysInMonth(time.year, time.month) && time.hour >= 0 &&
           time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
           time.second <= 59 && time.hundredths >= 0 && time.hundredths <= 99;
}

UtcTime nextSecond(UtcTime time) {
    if (++time.second < 60) {
        return time;
    }
    time.second = 0;
    if (++time.minute < 60) {
        return time;
    }
    time.minute = 0;
    if (++time.hour < 24) {
        return time;
    }
    time.hour = 0;
    if (++time.day <= daysInMonth(time.year, time.month)) {
        return time;
    }
    time.day = 1;
    if (++time.month <= 12) {
        return time;
    }
    time.month = 1;
    ++time.year;
    return time;
}

UtcTime laterByHundredths(UtcTime time, int hundredths) {
    time.hundredths += hundredths;
    if (time.hundredths < 100) {
        return time;
    }
    time.hundredths -= 100;
    return nextSecond(time);
}

}  // namespace skyvane::scenario
