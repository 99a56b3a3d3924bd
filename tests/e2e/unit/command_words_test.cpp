#include "command_words.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CommandWords, SplitsAtBlanksAndDropsTheLineEnd) {
    const CommandWords words("set_text  1022\t$PMTK000*32\r\n");
    ASSERT_EQ(words.count(), 3u);
    EXPECT_STREQ(words.verb(), "set_text");
    EXPECT_STREQ(words.word(1), "1022");
    EXPECT_STREQ(words.word(2), "$PMTK000*32");
    EXPECT_STREQ(words.word(3), "");
    EXPECT_TRUE(words.is("set_text"));
    EXPECT_FALSE(words.is("set"));
}

TEST(CommandWords, RestKeepsTheFreeTextAfterTheVerbAsTyped) {
    const CommandWords words("send  $GPTXT,01,01,02,a  b*00\n");
    EXPECT_STREQ(words.rest(), "$GPTXT,01,01,02,a  b*00");
    const CommandWords alone("stats");
    EXPECT_STREQ(alone.rest(), "");
    EXPECT_EQ(alone.count(), 1u);
}

TEST(CommandWords, RestFromAnyWordKeepsTheBlanksInside) {
    const CommandWords words("set_text 1022  $PSRF,a  b \r\n");
    EXPECT_STREQ(words.restFrom(2), "$PSRF,a  b ");
    EXPECT_STREQ(words.restFrom(0), "set_text 1022  $PSRF,a  b ");
    EXPECT_STREQ(words.restFrom(4), "");
}

TEST(CommandWords, BlankLineHasNoVerb) {
    const CommandWords words("   \r\n");
    EXPECT_EQ(words.count(), 0u);
    EXPECT_STREQ(words.verb(), "");
}

TEST(CommandWords, WordsBeyondTheLimitAreIgnoredButStayInTheRest) {
    const CommandWords words("v 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(words.count(), CommandWords::maxWords);
    EXPECT_STREQ(words.word(CommandWords::maxWords - 1), "7");
    EXPECT_STREQ(words.rest(), "1 2 3 4 5 6 7 8 9");
}

TEST(CommandWords, AnOverlongLineIsCutNotOverflowed) {
    const std::string line = "text " + std::string(3 * CommandWords::maxLine, 'x');
    const CommandWords words(line.c_str());
    EXPECT_EQ(std::string(words.rest()).size(), CommandWords::maxLine - 1 - 5);
}

TEST(CommandWords, IntegersMustBeWholeAndInRange) {
    const CommandWords words("pixel 12 -3 7x  99999999999999999999");
    std::int64_t value = 0;
    EXPECT_TRUE(words.integer(1, 0, 100, &value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(words.integer(2, 0, 100, &value));  // below the range
    EXPECT_TRUE(words.integer(2, -10, 10, &value));
    EXPECT_EQ(value, -3);
    EXPECT_FALSE(words.integer(3, 0, 100, &value));                // trailing letter
    EXPECT_FALSE(words.integer(4, INT64_MIN, INT64_MAX, &value));  // does not fit
    EXPECT_FALSE(words.integer(5, 0, 100, &value));                // missing
}

}  // namespace
