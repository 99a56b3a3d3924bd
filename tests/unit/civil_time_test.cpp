#include "base/civil_time.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(CivilTime, ValidRangeIsTheWindowsClockRange) {
    struct Case {
        std::int64_t year, month, day, hour, minute, second;
        bool valid;
    };
    const Case cases[] = {
        {2026, 12, 6, 8, 30, 15, true},
        {1601, 1, 1, 0, 0, 0, true},
        {1600, 12, 31, 23, 59, 59, false},
        {30827, 12, 31, 23, 59, 59, true},
        {30828, 1, 1, 0, 0, 0, false},
        {2026, 0, 1, 0, 0, 0, false},
        {2026, 13, 1, 0, 0, 0, false},
        {2026, 1, 0, 0, 0, 0, false},
        {2026, 1, 31, 0, 0, 0, true},
        {2026, 1, 32, 0, 0, 0, false},
        {2026, 4, 30, 0, 0, 0, true},
        {2026, 4, 31, 0, 0, 0, false},
        {2024, 2, 29, 0, 0, 0, true},  // divisible by 4
        {2023, 2, 29, 0, 0, 0, false},
        {2000, 2, 29, 0, 0, 0, true},   // divisible by 400
        {1900, 2, 29, 0, 0, 0, false},  // divisible by 100 only
        {2100, 2, 29, 0, 0, 0, false},
        {2023, 2, 28, 0, 0, 0, true},
        {2026, 6, 1, 24, 0, 0, false},
        {2026, 6, 1, 0, 60, 0, false},
        {2026, 6, 1, 0, 0, 60, false},  // no leap second
        {2026, 6, 1, -1, 0, 0, false},
        {2026, 6, 1, 0, -1, 0, false},
        {2026, 6, 1, 0, 0, -1, false},
        {-2026, 6, 1, 0, 0, 0, false},
        {2147483647LL * 4, 6, 1, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isValidCivilTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.valid)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
            << c.second;
    }
}

TEST(CivilTime, DaysCountFromTheUnixEpoch) {
    struct Case {
        std::int64_t year, month, day, days;
    };
    const Case cases[] = {
        {1970, 1, 1, 0},       {1969, 12, 31, -1},   {2000, 2, 29, 11016},
        {2000, 3, 1, 11017},   {2024, 2, 29, 19782}, {2024, 3, 1, 19783},
        {1601, 1, 1, -134774}, {2026, 12, 6, 20793}, {30827, 12, 31, 10540167},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(daysFromCivil(c.year, c.month, c.day), c.days)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

CivilTime at(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0) {
    CivilTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    t.milliseconds = static_cast<std::uint16_t>(ms);
    return t;
}

struct ShiftCase {
    const char* label;
    CivilTime from;
    std::int64_t minutes;
    int result;
    CivilTime to;  // with its day of week (0 = Sunday)
};

CivilTime withDayOfWeek(CivilTime t, int dayOfWeek) {
    t.dayOfWeek = static_cast<std::uint16_t>(dayOfWeek);
    return t;
}

void expectSameTime(const CivilTime& actual, const CivilTime& expected, const char* label) {
    EXPECT_EQ(actual.year, expected.year) << label;
    EXPECT_EQ(actual.month, expected.month) << label;
    EXPECT_EQ(actual.day, expected.day) << label;
    EXPECT_EQ(actual.dayOfWeek, expected.dayOfWeek) << label;
    EXPECT_EQ(actual.hour, expected.hour) << label;
    EXPECT_EQ(actual.minute, expected.minute) << label;
    EXPECT_EQ(actual.second, expected.second) << label;
    EXPECT_EQ(actual.milliseconds, expected.milliseconds) << label;
}

TEST(CivilTime, ShiftCrossesDayMonthAndYearBoundaries) {
    const ShiftCase cases[] = {
        {"UTC+8 same day", at(2026, 12, 6, 8, 30, 15), 480, 1,
         withDayOfWeek(at(2026, 12, 6, 16, 30, 15), 0)},
        {"no shift fills the day of week", at(2026, 12, 7, 0, 0), 0, 1,
         withDayOfWeek(at(2026, 12, 7, 0, 0), 1)},
        {"into the next day", at(2026, 12, 6, 23, 59, 59, 250), 1, 1,
         withDayOfWeek(at(2026, 12, 7, 0, 0, 59, 250), 1)},
        {"into the next year", at(2026, 12, 31, 23, 30, 5), 60, 1,
         withDayOfWeek(at(2027, 1, 1, 0, 30, 5), 5)},
        {"back into the previous year", at(2027, 1, 1, 0, 30), -60, 1,
         withDayOfWeek(at(2026, 12, 31, 23, 30), 4)},
        {"into a leap day", at(2024, 2, 28, 23, 30), 60, 1,
         withDayOfWeek(at(2024, 2, 29, 0, 30), 4)},
        {"over a common year's February", at(2023, 2, 28, 23, 30), 60, 1,
         withDayOfWeek(at(2023, 3, 1, 0, 30), 3)},
        {"back over a leap day", at(2024, 3, 1, 0, 10), -60, 1,
         withDayOfWeek(at(2024, 2, 29, 23, 10), 4)},
        {"several days at once", at(2026, 12, 6, 12, 0), 3 * 1440 + 30, 1,
         withDayOfWeek(at(2026, 12, 9, 12, 30), 3)},
        {"before 1970", at(1969, 12, 27, 12, 0), 0, 1, withDayOfWeek(at(1969, 12, 27, 12, 0), 6)},
        {"earliest valid day", at(1601, 1, 1, 1, 0), -60, 1,
         withDayOfWeek(at(1601, 1, 1, 0, 0), 1)},
        {"before 1601", at(1601, 1, 1, 0, 30), -60, 0, CivilTime()},
        {"after 30827", at(30827, 12, 31, 23, 30), 60, 0, CivilTime()},
    };
    for (const ShiftCase& c : cases) {
        CivilTime shifted;
        ASSERT_EQ(shiftCivilTime(c.from, c.minutes, &shifted), c.result) << c.label;
        if (c.result == 1) {
            expectSameTime(shifted, c.to, c.label);
        }
    }
}

TEST(CivilTime, AllZeroMeansEveryField) {
    EXPECT_TRUE(isAllZero(CivilTime()));
    CivilTime onlyMilliseconds;
    onlyMilliseconds.milliseconds = 1;
    EXPECT_FALSE(isAllZero(onlyMilliseconds));
    CivilTime onlyDayOfWeek;
    onlyDayOfWeek.dayOfWeek = 3;
    EXPECT_FALSE(isAllZero(onlyDayOfWeek));
}

}  // namespace
