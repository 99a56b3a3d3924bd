#include "key_combo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> keysOf(const char* text) {
    KeyCombo combo;
    if (!parseKeyCombo(text, &combo)) {
        return {-1};
    }
    return std::vector<int>(combo.keys, combo.keys + combo.count);
}

TEST(KeyCombo, LettersAndDigitsAreTheirUpperCaseCodes) {
    EXPECT_EQ(keysOf("a"), (std::vector<int>{'A'}));
    EXPECT_EQ(keysOf("Q"), (std::vector<int>{'Q'}));
    EXPECT_EQ(keysOf("7"), (std::vector<int>{'7'}));
}

TEST(KeyCombo, ModifiersComeFirstInTheOrderGiven) {
    EXPECT_EQ(keysOf("ctrl+a"), (std::vector<int>{0x11, 'A'}));
    EXPECT_EQ(keysOf("Ctrl+Q"), (std::vector<int>{0x11, 'Q'}));
    EXPECT_EQ(keysOf("shift+ctrl+f4"), (std::vector<int>{0x10, 0x11, 0x73}));
    EXPECT_EQ(keysOf("alt+f4"), (std::vector<int>{0x12, 0x73}));
}

TEST(KeyCombo, NamedKeys) {
    EXPECT_EQ(keysOf("escape"), (std::vector<int>{0x1B}));
    EXPECT_EQ(keysOf("esc"), (std::vector<int>{0x1B}));
    EXPECT_EQ(keysOf("enter"), (std::vector<int>{0x0D}));
    EXPECT_EQ(keysOf("f12"), (std::vector<int>{0x7B}));
}

TEST(KeyCombo, RefusesWhatItDoesNotKnow) {
    EXPECT_EQ(keysOf(""), (std::vector<int>{-1}));
    EXPECT_EQ(keysOf("ctrl+"), (std::vector<int>{-1}));
    EXPECT_EQ(keysOf("ctrl"), (std::vector<int>{-1}));    // a modifier alone is no key
    EXPECT_EQ(keysOf("a+ctrl"), (std::vector<int>{-1}));  // a key is not a modifier
    EXPECT_EQ(keysOf("hyper+a"), (std::vector<int>{-1}));
    EXPECT_EQ(keysOf("ctrl+shift+alt+ctrl+a"), (std::vector<int>{-1}));  // too many
    EXPECT_EQ(keysOf("averyveryverylongkeyname"), (std::vector<int>{-1}));
}

}  // namespace
