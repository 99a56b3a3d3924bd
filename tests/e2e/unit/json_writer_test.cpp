#include "json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonWriter, WritesFieldsOfEveryKindInOrder) {
    char text[256];
    JsonWriter json(text, sizeof text);
    json.field("ok", true).field("n", std::int64_t{-42}).field("s", "abc").nullField("none");
    EXPECT_STREQ(json.finish(), R"({"ok":true,"n":-42,"s":"abc","none":null})");
    EXPECT_FALSE(json.overflowed());
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
    char text[256];
    JsonWriter json(text, sizeof text);
    json.field("t", "a\"b\\c\r\n\x01");
    EXPECT_STREQ(json.finish(), R"({"t":"a\"b\\c\u000d\u000a\u0001"})");
}

TEST(JsonWriter, ConvertsUtf16ToUtf8IncludingSurrogatePairs) {
    char text[256];
    JsonWriter json(text, sizeof text);
    const char16_t units[] = {u'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00, 0xDC00, u'"'};
    json.field("t", units, sizeof units / sizeof units[0]);
    // é, €, U+1F600, then a lone low surrogate kept as an escape.
    EXPECT_STREQ(json.finish(), "{\"t\":\"A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\\udc00\\\"\"}");
}

TEST(JsonWriter, Utf16TextStopsAtTheGivenCountNotAtNul) {
    char text[64];
    JsonWriter json(text, sizeof text);
    const char16_t units[] = {u'a', 0, u'b'};
    json.field("t", units, 3);
    EXPECT_STREQ(json.finish(), R"({"t":"a\u0000b"})");
}

TEST(JsonWriter, NestsArraysOfStringsAndObjects) {
    char text[256];
    JsonWriter json(text, sizeof text);
    json.beginArray("items").element("x").element(u"y!", 1).endArray();
    json.beginArray("lines");
    json.beginObject().field("text", "a").endObject();
    json.beginObject().field("text", "b").endObject();
    json.endArray().beginObject("rect").field("x", std::int64_t{1}).endObject();
    json.field("after", true);
    EXPECT_STREQ(json.finish(), R"({"items":["x","y"],"lines":[{"text":"a"},{"text":"b"}],)"
                                R"("rect":{"x":1},"after":true})");
}

TEST(JsonWriter, AnAnswerThatDoesNotFitBecomesAnErrorObject) {
    char text[48];
    JsonWriter json(text, sizeof text);
    json.field("text", "this text is far too long for the buffer it is written into");
    EXPECT_TRUE(json.overflowed());
    EXPECT_STREQ(json.finish(), R"({"ok":false,"error":"answer too long"})");
}

TEST(JsonWriter, FillsTheBufferToTheLastByteThatStillLeavesRoomToClose) {
    // {"a":"xxxx"} is 12 characters; with the NUL it needs exactly 13 bytes.
    char exact[13];
    JsonWriter fits(exact, sizeof exact);
    fits.field("a", "xxxx");
    EXPECT_STREQ(fits.finish(), R"({"a":"xxxx"})");
    EXPECT_FALSE(fits.overflowed());

    char shortByOne[12];
    JsonWriter tooSmall(shortByOne, sizeof shortByOne);
    tooSmall.field("a", "xxxx");
    EXPECT_TRUE(tooSmall.overflowed());
}

TEST(JsonWriter, FinishTwiceGivesTheSameText) {
    char text[64];
    JsonWriter json(text, sizeof text);
    json.field("ok", false);
    const std::string first = json.finish();
    EXPECT_EQ(first, json.finish());
    EXPECT_EQ(json.length(), first.size());
}

TEST(JsonWriter, ResetStartsAnEmptyObjectAndClearsAnOverflow) {
    char text[48];
    JsonWriter json(text, sizeof text);
    json.field("text", "this text is far too long for the buffer it is written into");
    ASSERT_TRUE(json.overflowed());
    json.reset();
    json.field("ok", true);
    EXPECT_FALSE(json.overflowed());
    EXPECT_STREQ(json.finish(), R"({"ok":true})");
}

}  // namespace
