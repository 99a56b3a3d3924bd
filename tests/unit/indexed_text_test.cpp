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
        EXPECT_EQ(indexed.find(c.needle), findAscii(c.text.c_str(), c.needle)) << c.needle;
        EXPECT_EQ(indexed.contains(c.needle), containsAscii(c.text.c_str(), c.needle)) << c.needle;
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
            EXPECT_EQ(indexed.find(n), expected) << n;
            found += expected != nullptr;
        }
    }
    EXPECT_GT(found, 300);  // the texts do hold the needles often
}

TEST(AsciiSet, HoldsExactlyTheAsciiUnitsOfItsText) {
    const std::u16string text = u"A\u0141z\x01\x7F";  // 0x141: low byte 'A', not ASCII
    const AsciiSet set = AsciiSet::ofText(text.c_str(), text.size());
    EXPECT_TRUE(set.holdsAllOf("Az\x01\x7F"));
    EXPECT_TRUE(set.holdsAllOf(""));
    for (const char* absent : {"B", "a", "@", "\x02", "\x7E", "Az?", "A\xC1"}) {
        EXPECT_FALSE(set.holdsAllOf(absent)) << absent;
    }
    const AsciiSet prefix = AsciiSet::ofText(text.c_str(), 1);
    EXPECT_TRUE(prefix.holdsAllOf("A"));
    EXPECT_FALSE(prefix.holdsAllOf("z"));
}

}  // namespace
