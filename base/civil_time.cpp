#include "civil_time.h"

bool isAllZero(const CivilTime& t) {
    return t.year == 0 && t.month == 0 && t.dayOfWeek == 0 && t.day == 0 && t.hour == 0 &&
           t.minute == 0 && t.second == 0 && t.milliseconds == 0;
}

static bool isLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static std::int64_t daysInMonth(std::int64_t year, std::int64_t month) {
    static const std::int64_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) {
        return 29;
    }
    return lengths[month - 1];
}

bool isValidCivilTime(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                      std::int64_t minute, std::int64_t second) {
    if (year < 1601 || year > 30827 || month < 1 || month > 12) {
        return false;
    }
    if (day < 1 || day > daysInMonth(year, month)) {
        return false;
    }
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

// Howard Hinnant's days_from_civil / civil_from_days, valid far beyond our range.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

static void civilFromDays(std::int64_t days, std::int64_t* year, std::int64_t* month,
                          std::int64_t* day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    *day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    *month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    *year = yearOfEra + era * 400 + (*month <= 2 ? 1 : 0);
}

static std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int shiftCivilTime(const CivilTime& time, std::int64_t minutes, CivilTime* shifted) {
    const std::int64_t dayMinutes = 24 * 60;
    const std::int64_t start =
        daysFromCivil(time.year, time.month, time.day) * dayMinutes + time.hour * 60 + time.minute;
    const std::int64_t total = start + minutes;
    const std::int64_t days = floorDiv(total, dayMinutes);
    const std::int64_t minuteOfDay = total - days * dayMinutes;
    std::int64_t year = 0, month = 0, day = 0;
    civilFromDays(days, &year, &month, &day);
    if (!isValidCivilTime(year, month, day, 0, 0, 0)) {
        return 0;
    }
    shifted->year = static_cast<std::uint16_t>(year);
    shifted->month = static_cast<std::uint16_t>(month);
    shifted->day = static_cast<std::uint16_t>(day);
    shifted->hour = static_cast<std::uint16_t>(minuteOfDay / 60);
    shifted->minute = static_cast<std::uint16_t>(minuteOfDay % 60);
    shifted->second = time.second;
    shifted->milliseconds = time.milliseconds;
    // 1970-01-01 was a Thursday.
    shifted->dayOfWeek = static_cast<std::uint16_t>((days % 7 + 7 + 4) % 7);
    return 1;
}
