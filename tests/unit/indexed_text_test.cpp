#include "base/indexed_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The signature may only spare work, never change an answer: every search
// must give what a plain search gives, units from 128 up and text after the
// NUL included.
TEST(IndexedText, FindsWhatAPlainSearchFinds) {
    std::mt19937 random(99);
    const std::u16string alphabet =
        u"RMCGSAV$,*[] ?@\x7F\u0152\u0112\u00D2";  // 0x152: low byte 'R'
    const char* needles[] = {"RMC", "GSA", "GSV", "$PSRF", "[V", " ", "?@\x7F", "MM", "R"};
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        for (std::size_t n = random() % 14; n > 0; --n) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        const std::size_t length = text.size();
        text += u'\0';
        text += u"RMC GSA";  // past the NUL: never found
        const IndexedText indexed(text.c_str(), length);
        for (const char* n : needles) {
            const char16_t* expected = findAscii(text.c_str(), n);
            EXPECT_EQ(indexed.find(AsciiNeedle(n)), expected) << n;
            found += expected != nullptr;
        }
    }
    EXPECT_GT(found, 300);  // the texts do hold the needles often
}

}  // namespace
