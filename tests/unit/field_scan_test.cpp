#include "nmea/field_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t maxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minInt = std::numeric_limits<std::int32_t>::min();

struct Case {
    const char* text;
    int start;
    bool found;
    std::int32_t value;
};

TEST(FieldScan, ReadsLikePercentD) {
    const Case cases[] = {
        {"12", 0, true, 12},
        {"061226", 0, true, 61226},  // leading zeros allowed
        {"061226", 2, true, 1226},
        {"061226", 4, true, 26},
        {"083015.00", 0, true, 83015},  // stops at the point
        {"083015.00", 4, true, 15},
        {"2502.3456", 5, true, 3456},
        {"1.0", 0, true, 1},
        {"12a", 0, true, 12},
        {"  42", 0, true, 42},
        {"\t 7", 0, true, 7},
        {"+5", 0, true, 5},
        {"-5", 0, true, -5},
        {" -0", 0, true, 0},
        {"", 0, false, 0},
        {"abc", 0, false, 0},
        {".5", 0, false, 0},
        {"-", 0, false, 0},
        {"+", 0, false, 0},
        {"- 3", 0, false, 0},
        {"   ", 0, false, 0},
        {"2147483647", 0, true, maxInt},
        {"2147483648", 0, true, maxInt},
        {"99999999999999999999999", 0, true, maxInt},
        {"-2147483648", 0, true, minInt},
        {"-2147483649", 0, true, minInt},
        {"-99999999999999999999999", 0, true, minInt},
        {"4294967297", 0, true, maxInt},    // not wrapped round to 1
        {"999999999", 0, true, 999999999},  // the longest number read without the cap test
        {"1000000000", 0, true, 1000000000},
        {"-999999999,", 0, true, -999999999},
        {"00000000000000000042", 0, true, 42},  // leading zeros do not count toward the cap
        {"00000000002147483648", 0, true, maxInt},
        {"123456789/", 0, true, 123456789},  // '/' lies just below '0'
        {"12:", 0, true, 12},                // ':' just above '9'
        {"12", 1, true, 2},
        {"12", 2, false, 0},  // at the end
        {"12", 5, false, 0},  // beyond the end
        {"", 3, false, 0},
        {"0612", 4, false, 0},
    };
    for (const Case& c : cases) {
        // An exact-size copy, so a read past the NUL is caught by the sanitizer.
        std::vector<char16_t> field;
        for (const char* p = c.text; *p != 0; ++p) {
            field.push_back(static_cast<unsigned char>(*p));
        }
        field.push_back(0);
        std::int32_t value = 99;
        EXPECT_EQ(scanDecimal(field.data(), c.start, &value), c.found)
            << '"' << c.text << "\" from " << c.start;
        EXPECT_EQ(value, c.value) << '"' << c.text << "\" from " << c.start;
        EXPECT_EQ(scanInt(field.data(), c.start), c.value) << '"' << c.text << '"';
        // The same field held in place, without its NUL, reads the same.
        const int length = static_cast<int>(field.size()) - 1;
        if (c.start >= 0 && c.start <= length) {
            const std::vector<char16_t> units(field.begin() + c.start, field.end() - 1);
            std::int32_t inPlace = 99;
            EXPECT_EQ(scanDecimalIn(units.data(), units.size(), &inPlace), c.found) << c.text;
            EXPECT_EQ(inPlace, c.value) << '"' << c.text << "\" in place";
        }
    }
}

// A field in place ends after its count, whatever follows it in the line.
TEST(FieldScan, InPlaceStopsAtTheFieldsEnd) {
    const char16_t line[] = u"12345, 7,-5,+";
    EXPECT_EQ(scanIntIn(line, 3), 123);
    EXPECT_EQ(scanIntIn(line, 0), 0);
    std::int32_t value = 99;
    EXPECT_FALSE(scanDecimalIn(line + 6, 1, &value));  // only the blank
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(scanDecimalIn(line + 9, 1, &value));  // only the sign
    EXPECT_EQ(scanIntIn(line + 9, 2), -5);
    EXPECT_FALSE(scanDecimalIn(line + 12, 1, &value));
    EXPECT_EQ(scanIntIn(line, 12), 12345);
}

}  // namespace
