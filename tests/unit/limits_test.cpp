#include "stats/limits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "stats/reference_position.h"

namespace {

struct Parsed {
    int ok = 0;
    LimitSet limits;
    std::string error;
};

Parsed parse(const std::string& text) {
    Parsed parsed;
    IniError error;
    parsed.ok = parseLimitsText(text.data(), text.size(), "bench.ini", &parsed.limits, &error);
    parsed.error = error.message;
    return parsed;
}

std::string listed(const LimitSet& limits) {
    std::string text;
    for (int i = 0; i < limits.count; ++i) {
        text += std::string(limitKeyName(limits.entries[i].key)) + "=" +
                limits.entries[i].value.text + " ";
    }
    return text;
}

TEST(Limits, SpacesCommentsOtherSectionsAndCase) {
    const std::string text =
        "\xEF\xBB\xBF; a bench's limits\r\n"
        "[SKYVANE]\r\n"
        "DEF_BAUDRATE=6    ; not ours\r\n"
        "JUNK LINE\r\n"
        "\r\n"
        "[LIMITS]   ; ours\r\n"
        "  # comment\r\n"
        "\t; comment\r\n"
        "CEP50_MAX_M = 2.5 ; metres\r\n"
        "fix_availability_min=0.950\r\n"
        "TOP4_L1_MEDIAN_MIN\t=\t+030\r\n"
        "Gaps_Max=0\r\n"
        "[ limits ]\r\n"
        "TTFF_MAX_S=-0.0\r\n"
        "[REFERENCE]\r\n"
        "LAT=1\r\n"
        "CEP50_MAX_M=7";
    const Parsed parsed = parse(text);
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_EQ(listed(parsed.limits),
              "CEP50_MAX_M=2.5 FIX_AVAILABILITY_MIN=0.95 TOP4_L1_MEDIAN_MIN=30 GAPS_MAX=0 "
              "TTFF_MAX_S=0 ");
    EXPECT_EQ(parsed.limits.entries[1].value.value, 0.95);

    const Parsed empty = parse("[SKYVANE]\nVIEW_GPS=1\n");
    EXPECT_EQ(empty.ok, 1);
    EXPECT_EQ(empty.limits.count, 0);
}

TEST(Limits, ErrorsNameTheFileAndTheLine) {
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"[LIMITS]\nCEP50_MAX=3\n", "bench.ini:2: unknown key CEP50_MAX in [LIMITS]"},
        {"[LIMITS]\nGAPS_MAX=\n", "bench.ini:2: GAPS_MAX needs a number, found \"\""},
        {"[LIMITS]\nGAPS_MAX= ; none\n", "bench.ini:2: GAPS_MAX needs a number, found \"\""},
        {"[LIMITS]\nGAPS_MAX=two\n", "bench.ini:2: GAPS_MAX needs a number, found \"two\""},
        {"[LIMITS]\nGAPS_MAX=2 # two\n", "bench.ini:2: GAPS_MAX needs a number, found \"2 # two\""},
        {"[LIMITS]\nGAPS_MAX=1e3\n", "bench.ini:2: GAPS_MAX needs a number, found \"1e3\""},
        {"[LIMITS]\nGAPS_MAX=nan\n", "bench.ini:2: GAPS_MAX needs a number, found \"nan\""},
        {"[LIMITS]\nGAPS_MAX=1.\n", "bench.ini:2: GAPS_MAX needs a number, found \"1.\""},
        {"[LIMITS]\nGAPS_MAX=.5\n", "bench.ini:2: GAPS_MAX needs a number, found \".5\""},
        {"[LIMITS]\nGAPS_MAX=1234567890123456\n",
         "bench.ini:2: GAPS_MAX needs a number, found \"1234567890123456\""},
        {"[LIMITS]\r\n\r\nGAPS_MAX=1\r\n; x\r\ngaps_max = 2\r\n",
         "bench.ini:5: GAPS_MAX given twice (first on line 3)"},
        {"[LIMITS]\nGAPS_MAX=1\n[limits]\nGAPS_MAX=2\n",
         "bench.ini:4: GAPS_MAX given twice (first on line 2)"},
        {"[LIMITS]\nGAPS_MAX 1\n",
         "bench.ini:2: expected KEY=number in [LIMITS], found \"GAPS_MAX 1\""},
        {"[LIMITS]\n=1\n", "bench.ini:2: expected KEY=number in [LIMITS], found \"=1\""},
        {"[LIMITS]\n" + std::string(1025, ' ') + "\n",
         "bench.ini:2: line longer than 1024 characters"},
        {"[OTHER]\n" + std::string(10 << 20, 'x') + "\n",
         "bench.ini:2: line longer than 1024 characters"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = parse(c.text);
        EXPECT_EQ(parsed.ok, 0) << c.error;
        EXPECT_EQ(parsed.error, c.error);
    }
    // A line of exactly the longest length is a line like any other.
    EXPECT_EQ(parse("[LIMITS]\nGAPS_MAX=1" + std::string(1014, ' ') + "\n").ok, 1);
}

TEST(Limits, NumbersAsWrittenAndAsJsonWritesThem) {
    const struct {
        const char* text;
        double value;
        const char* json;
    } numbers[] = {
        {"0", 0, "0"},
        {"-0", 0, "0"},
        {"+5", 5, "5"},
        {"007.50", 7.5, "7.5"},
        {"-0.001", -0.001, "-0.001"},
        {"0.95", 0.95, "0.95"},
        {"123456789012345", 123456789012345.0, "123456789012345"},
        {"0.000000000000000000001", 1e-21, "0.000000000000000000001"},
        {"100000000000000.0", 1e14, "100000000000000"},
    };
    for (const auto& n : numbers) {
        DecimalNumber number;
        ASSERT_TRUE(parseDecimalNumber(n.text, &number)) << n.text;
        EXPECT_EQ(number.value, n.value) << n.text;
        EXPECT_STREQ(number.text, n.json) << n.text;
    }
    for (const char* refused : {"", "-", "+", ".", "1.", ".1", "1.2.3", "1,5", " 1", "0x10", "inf",
                                "1e5", "--1", "1000000000000000", "12345678901234567890123456",
                                // Past 64 bits within the longest text: refused, not overflowed.
                                "24.033333333333333333", "-99999999999999999999999"}) {
        DecimalNumber number;
        EXPECT_FALSE(parseDecimalNumber(refused, &number)) << refused;
    }
}

TEST(ReferencePosition, FromTheCommandLineAndFromSkyvaneIni) {
    GeoPoint point;
    ASSERT_EQ(parseReferenceArgument("-33.5,-70.5", &point), 1);
    EXPECT_EQ(point.lat, -33.5);
    EXPECT_EQ(point.lon, -70.5);
    ASSERT_EQ(parseReferenceArgument("90,180", &point), 1);
    for (const char* refused :
         {"", "1", "1,", ",1", "1;2", "90.0001,0", "0,-180.5", "1,2,3", "1 ,2", "N45,E7"}) {
        EXPECT_EQ(parseReferenceArgument(refused, &point), 0) << refused;
    }

    const struct {
        const char* text;
        int ok;
        std::optional<GeoPoint> reference;
        const char* error;
    } cases[] = {
        {"[SKYVANE]\nVIEW_GPS=1\n", 1, std::nullopt, ""},
        {"[REFERENCE]\n; none yet\n", 1, std::nullopt, ""},
        {"[REFERENCE]\nlat = 25.0391 ; roof\nLON=121.5764\n", 1, GeoPoint{25.0391, 121.5764}, ""},
        {"[REFERENCE]\nLAT=25\n", 0, std::nullopt,
         "skyvane.ini:2: [REFERENCE] needs both LAT and LON"},
        {"[REFERENCE]\nLAT=95\nLON=0\n", 0, std::nullopt,
         "skyvane.ini:3: [REFERENCE] LAT must be from -90 to 90 and LON from -180 to 180"},
        {"[REFERENCE]\nALT=5\n", 0, std::nullopt, "skyvane.ini:2: unknown key ALT in [REFERENCE]"},
        {"[REFERENCE]\nLAT=1\nLAT=2\n", 0, std::nullopt,
         "skyvane.ini:3: LAT given twice (first on line 2)"},
    };
    for (const auto& c : cases) {
        std::optional<GeoPoint> reference = GeoPoint{1, 1};
        IniError error;
        EXPECT_EQ(readReferenceText(c.text, std::strlen(c.text), "skyvane.ini", &reference, &error),
                  c.ok)
            << c.text;
        EXPECT_STREQ(error.message, c.error) << c.text;
        if (c.ok) {
            ASSERT_EQ(reference.has_value(), c.reference.has_value()) << c.text;
            if (reference) {
                EXPECT_EQ(reference->lat, c.reference->lat);
                EXPECT_EQ(reference->lon, c.reference->lon);
            }
        }
    }
}

}  // namespace
