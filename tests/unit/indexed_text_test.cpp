#include "base/indexed_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Every search through the index must give what a plain search gives: the
// index may only spare work, never change an answer.
TEST(IndexedText, FindsWhatAPlainSearchFinds) {
    struct Case {
        std::u16string text;
        const char* needle;
    };
    const Case cases[] = {
        {u"$GPRMC,1*00\r\n", "RMC"},
        {u"$GPGSV,1*00\r\n", "RMC"},  // units missing
        {u"CMR", "RMC"},              // every unit there, not in order
        {u"xx?@\x7F~", "?@\x7F"},     // the edges of the two halves
        {u"\u0152MC RMC", "RMC"},     // a unit whose low byte is 'R'
        {u"\u0152MC", "RMC"},
        {std::u16string(u"ab\0RMC", 6), "RMC"},  // nothing after the NUL counts
        {u"WAAS Enable", "WAAS Enable"},
        {u"[VER] Done", "[VER]"},
        {u"", "R"},
    };
    for (const Case& c : cases) {
        const IndexedText indexed(c.text.c_str(), textLength(c.text.c_str(), 100));
        const AsciiNeedle needle(c.needle);
        EXPECT_EQ(indexed.find(needle), findAscii(c.text.c_str(), c.needle)) << c.needle;
        EXPECT_EQ(indexed.contains(needle), containsAscii(c.text.c_str(), c.needle)) << c.needle;
    }

    std::mt19937 random(99);
    const char16_t alphabet[] = u"RMCGSAV$,*[] \u0152\u00D2@?";
    const char* needles[] = {"RMC", "GSA", "GSV", "$PSRF", "[V", " ", "?@", "MM"};
    int found = 0;
    for (int round = 0; round < 2000; ++round) {
        std::u16string text;
        for (std::size_t n = random() % 12; n > 0; --n) {
            text.push_back(alphabet[random() % (sizeof alphabet / sizeof alphabet[0] - 1)]);
        }
        const IndexedText indexed(text.c_str(), text.size());
        for (const char* n : needles) {
            const char16_t* expected = findAscii(text.c_str(), n);
            EXPECT_EQ(indexed.find(AsciiNeedle(n)), expected) << n;
            found += expected != nullptr;
        }
    }
    EXPECT_GT(found, 300);  // the texts do hold the needles often
}

// A signature may only rule a needle out when the text really lacks one of
// its units; that is what lets most received lines skip the searches.
TEST(UnitSignature, RulesOutNeedlesWithAUnitTheTextLacks) {
    const std::u16string line = u"$GPGSV,3,1,11,01,40,083,46,02,17,308,41*7B\r\n";
    const UnitSignature signature = UnitSignature::ofText(line.c_str(), line.size());
    for (const char* inside : {"", "$GPGSV", "GSV", "*7B\r\n", "0123467", "VSG"}) {
        EXPECT_TRUE(signature.covers(UnitSignature::ofAscii(inside))) << inside;
    }
    for (const char* ruledOut : {"RMC", "GSA", "WAAS Enable", "[VER]", "ROM CORE",
                                 "FWVER=", "Version", "$PSRF195", "$PMTK705", "$PAIR020"}) {
        EXPECT_FALSE(signature.covers(UnitSignature::ofAscii(ruledOut))) << ruledOut;
    }
    const UnitSignature prefix = UnitSignature::ofText(line.c_str(), 3);
    EXPECT_TRUE(prefix.covers(UnitSignature::ofAscii("$G")));
    EXPECT_FALSE(prefix.covers(UnitSignature::ofAscii("S")));
}

}  // namespace
