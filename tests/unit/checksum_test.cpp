#include "nmea/checksum.h"

#include <gtest/gtest.h>

#include <string>

#include "test_text.h"

namespace {

struct Case {
    const char* label;
    std::u16string line;
    bool accepted;
};

TEST(SentenceChecksum, AcceptsOnlyStarTwoUpperCaseDigitsEqualToTheXorThenCrLf) {
    const Case cases[] = {
        {"GSA example", units("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n"), true},
        {"wrong value", units("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*38\r\n"), false},
        {"changed data", units("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.2*39\r\n"), false},
        {"letter digit", units("$PMTK705,AXN_2.31_3339_13101700,5632,PA6H,1.0*6B\r\n"), true},
        {"lower-case letter digit", units("$PMTK705,AXN_2.31_3339_13101700,5632,PA6H,1.0*6b\r\n"),
         false},
        {"short sentence", units("$GPGGA,1*4B\r\n"), true},
        {"lower-case short", units("$GPGGA,1*4b\r\n"), false},
        {"LF only", units("$GPGGA,1*4B\n"), false},
        {"CR only", units("$GPGGA,1*4B\r"), false},
        {"no line end", units("$GPGGA,1*4B"), false},
        {"LF CR", units("$GPGGA,1*4B\n\r"), false},
        {"two other units after the digits", units("$GPGGA,1*4Bxy"), false},
        {"three digits", units("$GPGGA,1*4B0\r\n"), false},
        {"one digit", units("$GPGGA,1*4\r\n"), false},
        {"no star", units("$GPGGA,1,4B\r\n"), false},
        {"star too early", units("$GPGGA*,1\r\n"), false},
        {"non-hex digit", units("$GPGGA,1*4G\r\n"), false},
        {"blank digit", units("$GPGGA,1* B\r\n"), false},
        {"empty", units(""), false},
        {"CR LF only", units("\r\n"), false},
        {"four units", units("*00\r"), false},
        {"five units, nothing to XOR", units("*00\r\n"), true},
        {"five units, non-zero", units("*01\r\n"), false},
        {"first unit excluded whatever it is", units("AB*42\r\n"), true},
        {"the second unit counts", units("BA*42\r\n"), false},
        {"the second unit counts, right value", units("BA*41\r\n"), true},
        {"no dollar", units("GPGGA,1*0C\r\n"), true},
        {"no dollar, sum with the first unit", units("GPGGA,1*4B\r\n"), false},
        {"double dollar", units("$$GPGGA,1*6F\r\n"), true},
        {"double dollar, sum without the second", units("$$GPGGA,1*4B\r\n"), false},
        {"only the low byte of a unit counts", u"$\u0141*41\r\n", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sentenceChecksumOk(c.line.c_str(), c.line.size()), c.accepted) << c.label;
    }
}

// The intake passes the length of the text before the line's NUL; the test
// reads only that many units.
TEST(SentenceChecksum, ReadsOnlyTheGivenLength) {
    const std::u16string line = units("$GPGGA,1*4B\r\ntrailing");
    EXPECT_TRUE(sentenceChecksumOk(line.c_str(), 13));
    EXPECT_FALSE(sentenceChecksumOk(line.c_str(), line.size()));
}

}  // namespace
