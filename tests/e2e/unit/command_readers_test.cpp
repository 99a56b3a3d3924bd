#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sentence_text.h"
#include "text_command_reader.h"
#include "ubx_frame.h"

namespace {

const std::string cfgRstFrame("\xB5\x62\x06\x04\x04\x00\xFF\xB9\x02\x00\xC8\x8F", 12);
const std::string monVerPoll("\xB5\x62\x0A\x04\x00\x00\x0E\x34", 8);

std::vector<std::string> commandsIn(const std::string& bytes, char startMark) {
    TextCommandReader reader(startMark);
    std::vector<std::string> commands;
    for (char c : bytes) {
        if (reader.take(static_cast<std::uint8_t>(c))) {
            commands.push_back(reader.command());
        }
    }
    return commands;
}

TEST(TextCommandReader, TakesWholeCommandsFromTheirStartMarkToTheLineFeed) {
    const std::string longest = "$" + std::string(253, 'A');  // 254 units and CR still fit
    const std::string tooLong = "$" + std::string(255, 'A');
    struct Case {
        const char* label;
        std::string bytes;
        char startMark;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {"CR LF and a bare LF",
         "$PMTK605*31\r\n$PSRF125*21\n",
         '$',
         {"$PMTK605*31", "$PSRF125*21"}},
        {"noise before the mark", "xx\x01$PAIR020*38\r\n", '$', {"$PAIR020*38"}},
        {"a binary frame before the command", cfgRstFrame + "@VER\r\n", '@', {"@VER"}},
        {"another family's lines", "$PMTK605*31\r\n@VER\r\n", '@', {"@VER"}},
        {"a new mark starts afresh", "$PMT$PMTK605*31\r\n", '$', {"$PMTK605*31"}},
        {"a binary byte abandons the command",
         "$PMTK\x01"
         "605*31\r\n$B\r\n",
         '$',
         {"$B"}},
        {"no mark, no command", "PMTK605*31\r\n", '$', {}},
        {"no line feed yet", "$PMTK605*31\r", '$', {}},
        {"the longest command", longest + "\r\n", '$', {longest}},
        {"a longer one is dropped whole", tooLong + "\r\n$B\r\n", '$', {"$B"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commandsIn(c.bytes, c.startMark), c.commands) << c.label;
    }
}

TEST(SentenceText, ChecksumsAreTestedAndAdded) {
    const struct {
        const char* sentence;
        bool valid;
    } checks[] = {
        {"$PMTK605*31", true},  {"$PAIR864,0,0,115200*1b", true},
        {"$PMTK605*32", false}, {"$PMTK605*3", false},
        {"$PMTK605*3G", false}, {"$PMTK605*310", false},
        {"$PMTK605", false},    {"PMTK605*31", false},
        {"$*00", true},
    };
    for (const auto& check : checks) {
        EXPECT_EQ(checksumValid(check.sentence), check.valid) << check.sentence;
    }
    char text[32];
    EXPECT_EQ(formatSentence(text, sizeof text, "$PAIR864,0,0,921600"), 24u);
    EXPECT_STREQ(text, "$PAIR864,0,0,921600*10\r\n");
    EXPECT_EQ(formatSentence(text, sizeof text, "$PSRF100,0,9600,8,1,0"), 26u);
    EXPECT_STREQ(text, "$PSRF100,0,9600,8,1,0*0C\r\n");
    EXPECT_EQ(formatSentence(text, 24, "$PAIR864,0,0,921600"), 0u);  // no room for the NUL
    EXPECT_EQ(formatSentence(text, sizeof text, "PAIR023"), 0u);
}

TEST(UbxFrame, BuildsTheFramesAProgramSends) {
    std::uint8_t frame[16];
    ASSERT_EQ(buildUbxFrame(frame, sizeof frame, 0x0A, 0x04, nullptr, 0), 8u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(frame), 8), monVerPoll);
    const std::uint8_t reset[] = {0xFF, 0xB9, 0x02, 0x00};
    ASSERT_EQ(buildUbxFrame(frame, sizeof frame, 0x06, 0x04, reset, sizeof reset), 12u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(frame), 12), cfgRstFrame);
    EXPECT_EQ(buildUbxFrame(frame, 11, 0x06, 0x04, reset, sizeof reset), 0u);
}

struct FoundFrame {
    int messageClass;
    int messageId;
    std::string payload;
    bool operator==(const FoundFrame&) const = default;
};

std::vector<FoundFrame> framesIn(const std::string& bytes) {
    UbxFrameReader reader;
    std::vector<FoundFrame> frames;
    for (char c : bytes) {
        if (reader.take(static_cast<std::uint8_t>(c))) {
            frames.push_back({reader.messageClass(), reader.messageId(),
                              std::string(reinterpret_cast<const char*>(reader.payload()),
                                          reader.payloadLength())});
        }
    }
    return frames;
}

TEST(UbxFrameReader, FindsWholeFramesWithARightChecksumAmongOtherBytes) {
    const FoundFrame poll{0x0A, 0x04, ""};
    const FoundFrame reset{0x06, 0x04, std::string("\xFF\xB9\x02\x00", 4)};
    std::string badChecksum = monVerPoll;
    badChecksum.back() = 0x35;
    // Declares 130 bytes of payload: more than a command carries, so not taken.
    const std::string oversized =
        std::string("\xB5\x62\x0A\x04\x82\x00", 6) + std::string(132, 'x');
    struct Case {
        const char* label;
        std::string bytes;
        std::vector<FoundFrame> frames;
    };
    const Case cases[] = {
        {"alone", monVerPoll, {poll}},
        {"between text lines", "$PMTK605*31\r\n" + cfgRstFrame + "@VER\r\n", {reset}},
        {"back to back", monVerPoll + cfgRstFrame, {poll, reset}},
        {"a repeated first sync byte", "\xB5" + monVerPoll, {poll}},
        {"a first sync byte without its second", std::string("\xB5\0", 2) + monVerPoll, {poll}},
        {"wrong checksum", badChecksum + "$X\r\n", {}},
        {"oversized frame skipped, next found", oversized + cfgRstFrame, {reset}},
        {"cut short", cfgRstFrame.substr(0, 11), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(framesIn(c.bytes), c.frames) << c.label;
    }
}

}  // namespace
