#include "base/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string printed(const char* pattern, long long value) {
    char text[NumberText::capacity];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// The fix texts must read exactly as printf wrote them, for every value a
// field can produce, the extremes and negative ones among them.
TEST(NumberText, WritesNumbersAsPrintfPrecisionDoes) {
    const long long values[] = {0,       1,          -1,          7,         -7,       42,
                                -42,     999,        1000,        -1000,     2026,     12345,
                                -123456, 2147483647, -2147483648, LLONG_MAX, LLONG_MIN};
    for (const long long value : values) {
        for (int digits = 1; digits <= 6; ++digits) {
            const std::string pattern = "%." + std::to_string(digits) + "lld";
            EXPECT_EQ(NumberText().number(value, digits).c_str(), printed(pattern.c_str(), value))
                << value << " with " << digits;
        }
    }
}

TEST(NumberText, JoinsPiecesAndCutsWhereSnprintfCuts) {
    EXPECT_STREQ(NumberText().number(48, 2).text("`").number(8, 2).text(".").number(95, 4).c_str(),
                 "48`08.0095");
    EXPECT_STREQ(NumberText().number(-5, 1).text(" Km/hr").c_str(), "-5 Km/hr");
    NumberText longText;
    std::string expected;
    for (int i = 0; i < 10; ++i) {
        longText.number(LLONG_MIN, 1).text("/");
        expected += std::to_string(LLONG_MIN) + "/";
    }
    EXPECT_EQ(longText.c_str(), expected.substr(0, NumberText::capacity - 1));
    EXPECT_STREQ(NumberText().number(3, 80).c_str(), std::string(63, '0').c_str());
}

}  // namespace
