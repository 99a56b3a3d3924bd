#include "stats/rmc_time.h"

#include <gtest/gtest.h>

#include <string>

#include "test_text.h"

namespace {

TEST(RmcTime, SixDigitsAndMillisecondsOrNoTime) {
    const struct {
        const char* field;
        std::int32_t ms;  // -1: no time
    } cases[] = {
        {"000000", 0},
        {"083015.00", ((8 * 60 + 30) * 60 + 15) * 1000},
        {"083015.5", 30615500},  // one digit, padded
        {"083015.25", 30615250},
        {"083015.1239", 30615123},  // the fourth digit and beyond are not read
        {"235959.999", 86399999},
        {"235960", 86400000},  // a leap second
        {"", -1},
        {"08301", -1},
        {"0830150", -1},
        {"083015.", -1},
        {"083015.x", -1},
        {"083015.12a", -1},
        {"240000", -1},
        {"236000", -1},
        {"235961", -1},
        {" 83015", -1},
        {"-83015", -1},
        {"083015,", -1},
    };
    for (const auto& c : cases) {
        const std::u16string field = units(c.field);
        std::int32_t ms = -1;
        EXPECT_EQ(parseRmcTime(field.c_str(), &ms), c.ms >= 0) << c.field;
        if (c.ms >= 0) {
            EXPECT_EQ(ms, c.ms) << c.field;
        }
    }
}

}  // namespace
