#include "byte_log.h"

#include <gtest/gtest.h>

#include <string>

#include "command_reader.h"

namespace {

TEST(ReceivedRecord, HoldsMillisecondsAndLowerCaseHex) {
    char text[128];
    const std::uint8_t bytes[] = {'$', 'P', 0x0D, 0x0A, 0xB5, 0x00};
    const std::size_t length = formatReceivedRecord(text, sizeof text, 1'234'999, bytes, 6);
    EXPECT_STREQ(text, R"({"ms":1234,"hex":"24500d0ab500"})");
    EXPECT_EQ(length, std::string(text).size());
}

TEST(ReceivedRecord, StaysInsideASmallBufferAndStaysValid) {
    char text[24];
    const std::uint8_t bytes[16] = {};
    formatReceivedRecord(text, sizeof text, 5000, bytes, sizeof bytes);
    EXPECT_STREQ(text, R"({"ms":5,"hex":"000000"})");  // 23 characters and the NUL
}

TEST(CommandReader, CutsLinesAcrossFeedsAndDropsAnOverlongOne) {
    CommandReader reader;
    std::string lines;
    auto collect = [&lines](const char* line) { lines += std::string("[") + line + "]"; };
    reader.feed("sta", 3, collect);
    reader.feed("ts\npau", 6, collect);
    reader.feed("se\n\n", 4, collect);
    EXPECT_EQ(lines, "[stats][pause][]");

    lines.clear();
    const std::string overlong(CommandReader::maxLine + 5, 'x');
    reader.feed(overlong.data(), overlong.size(), collect);
    reader.feed("\nquit\n", 6, collect);
    EXPECT_EQ(lines, "[quit]");
}

}  // namespace
