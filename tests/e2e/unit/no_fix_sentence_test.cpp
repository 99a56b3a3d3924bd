#include "no_fix_sentence.h"

#include <gtest/gtest.h>

#include <string>

#include "sentence_text.h"

namespace {

std::string checked(const char* body) {
    char text[256];
    return std::string(text, formatSentence(text, sizeof text, body));
}

std::string lineFeedOnly(std::string line) {
    return line.erase(line.size() - 2, 1);
}

std::string rewritten(const std::string& line, std::size_t capacity = 512) {
    std::uint8_t out[512];
    const std::size_t length = rewriteWithoutFix(reinterpret_cast<const std::uint8_t*>(line.data()),
                                                 line.size(), out, capacity);
    return std::string(reinterpret_cast<const char*>(out), length);
}

TEST(NoFixSentence, FixReportsLoseTheirFixAndKeepTheRest) {
    struct Case {
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {checked("$GNRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,,,A,V"),
         checked("$GNRMC,123519.00,V,,,,,,,230394,,,N,V")},
        {checked("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
         checked("$GPGGA,123519,,,,,0,08,,,,,,,")},
        {checked("$GNGSA,A,3,01,02,03,,,,,,,,,,1.5,0.9,1.2,1"),
         checked("$GNGSA,A,1,,,,,,,,,,,,,,,,1")},
        {checked("$GNGLL,4807.038,N,01131.000,E,123519.00,A,A"),
         checked("$GNGLL,,,,,123519.00,V,N")},
        {checked("$GNVTG,084.4,T,,M,022.4,N,041.5,K,A"), checked("$GNVTG,,T,,M,,N,,K,N")},
        {checked("$GNGNS,123519.00,4807.038,N,01131.000,E,AAN,10,0.9,545.4,46.9,,,V"),
         checked("$GNGNS,123519.00,,,,,NNN,10,,,,,,V")},
        // NMEA 2.0 without mode fields, a bare line feed, a wrong checksum, none at all.
        {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\n",
         lineFeedOnly(checked("$GPRMC,123519,V,,,,,,,230394,003.1,W"))},
        {"$GPRMC,1,A,2*00\r\n", "$GPRMC,1,V,*00\r\n"},
        {"$GPGSA,A,3,01", "$GPGSA,A,1,"},
    };
    for (const Case& c : cases) {
        const std::string line = rewritten(c.line);
        EXPECT_EQ(line, c.expected) << c.line;
        const std::size_t star = line.find('*');
        if (c.line.find("*00") == std::string::npos && star != std::string::npos) {
            EXPECT_TRUE(checksumValid(line.substr(0, star + 3).c_str())) << line;
        }
    }
}

TEST(NoFixSentence, OtherLinesAndLinesThatDoNotFitAreLeftAlone) {
    const std::string unchanged[] = {
        checked("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00"),
        checked("$GNTXT,01,01,02,ANTENNA OK"),
        checked("$PMTK001,101,3"),
        "GPRMC,123519,A,4807.038,N\r\n",
        "$GPRMCX,123519,A\r\n",
        "$GPRMC\r\n",
        std::string("\xB5\x62\x01\x07\x5C\x00", 6),
        "",
    };
    for (const std::string& line : unchanged) {
        EXPECT_EQ(rewritten(line), "") << line;
    }
    const std::string rmc = checked("$GNRMC,123519.00,A,4807.038,N,01131.000,E,,,230394,,,A,V");
    EXPECT_EQ(rewritten(rmc, 10), "");
    EXPECT_EQ(rewritten(rmc, rmc.size()).size(), rmc.size() - 19);
}

}  // namespace
