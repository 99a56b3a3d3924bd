// The simulated receivers know their starts from the protocols' own rules, written apart
// from the program's table: each must take the program's command for a kind as that kind,
// alone or in the broadcast to every family, and nothing of the other families.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/start_sequence.h"
#include "receiver_family.h"
#include "sentence_text.h"
#include "ubx_frame.h"

namespace {

class StartsSeen final : public ReceiverControl {
public:
    bool queueReply(const std::uint8_t*, std::size_t) override { return true; }
    void start(StartKind kind) override { kinds.push_back(kind); }
    void switchBaud(long) override {}

    std::vector<StartKind> kinds;
};

// The bytes a sequence writes, as the program's writer sends them.
std::string bytesOf(const CommandSequence& sequence) {
    std::string bytes;
    for (int i = 0; i < sequence.count; ++i) {
        const CommandStep& step = sequence.steps[i];
        if (step.text != nullptr) {
            for (const char16_t* unit = step.text; *unit != 0; ++unit) {
                bytes.push_back(static_cast<char>(*unit));
            }
            bytes += "\r\n";
        } else {
            bytes.append(reinterpret_cast<const char*>(step.frame.bytes), step.frame.count);
        }
    }
    return bytes;
}

std::vector<StartKind> startsOf(ReceiverFamily family, const std::string& bytes) {
    std::unique_ptr<ReplyPolicy> policy = makeReplyPolicy(family);
    StartsSeen seen;
    for (char byte : bytes) {  // one byte a read, the hardest cut
        const auto unit = static_cast<std::uint8_t>(byte);
        policy->onReceived(&unit, 1, seen);
    }
    return seen.kinds;
}

const std::pair<CommandFamily, ReceiverFamily> families[] = {
    {CommandFamily::psrf, ReceiverFamily::psrf}, {CommandFamily::pmtk, ReceiverFamily::pmtk},
    {CommandFamily::pair, ReceiverFamily::pair}, {CommandFamily::at, ReceiverFamily::at},
    {CommandFamily::ubx, ReceiverFamily::ubx},
};

TEST(FamilyStarts, EachFamilyTakesTheProgramsStartsAsTheirKindAndNoOtherFamilys) {
    auto sequence = std::make_unique<CommandSequence>();
    for (StartKind kind : allStartKinds) {
        buildAllFamiliesStartSequence(kind, *sequence);
        const std::string broadcast = bytesOf(*sequence);
        for (const auto& [program, receiver] : families) {
            const char* label = receiverFamilyName(receiver);
            const std::vector<StartKind> expected =
                buildStartSequence(kind, program, *sequence) == 1 ? std::vector<StartKind>{kind}
                                                                  : std::vector<StartKind>{};
            const std::string own = bytesOf(*sequence);
            EXPECT_EQ(startsOf(receiver, own), expected) << label << " " << startKindName(kind);
            EXPECT_EQ(startsOf(receiver, broadcast), expected) << label << " in the broadcast";
            EXPECT_TRUE(startsOf(ReceiverFamily::none, own).empty()) << label;
        }
    }
}

// The other ways the protocols name the same starts, and what is no start at all.
TEST(FamilyStarts, ResetConfigurationsAndClearMasksNameTheKind) {
    auto psrf = [](const char* body) {
        char text[128];
        return startsOf(ReceiverFamily::psrf, std::string(text, formatSentence(text, 128, body)));
    };
    using Kinds = std::vector<StartKind>;
    EXPECT_EQ(psrf("$PSRF104,37.38,-121.97,0,96000,237759,1946,12,1"), Kinds{StartKind::hot});
    EXPECT_EQ(psrf("$PSRF101,-2686700,-4304200,3851624,96000,497260,921,12,3"),
              Kinds{StartKind::warm});
    for (const char* none :
         {"$PSRF101,0,0,0,0,0,0,12,0", "$PSRF101,0,0,0,0,0,0,12,16", "$PSRF101,0,0,0,0,0,0,12,",
          "$PSRF101,0,0,0,0,0,0,12,4x", "$PSRF102,0,0,0,0,0,0,12,4", "$PSRF101"}) {
        EXPECT_TRUE(psrf(none).empty()) << none;
    }
    EXPECT_TRUE(startsOf(ReceiverFamily::psrf, "$PSRF101,0,0,0,0,0,0,12,4*11\r\n").empty());

    auto cfgRst = [](std::uint8_t maskLow, std::uint8_t maskHigh, std::uint8_t mode) {
        const std::uint8_t payload[] = {maskLow, maskHigh, mode, 0};
        std::uint8_t frame[16];
        const std::size_t length = buildUbxFrame(frame, sizeof frame, 0x06, 0x04, payload, 4);
        return startsOf(ReceiverFamily::ubx, std::string(frame, frame + length));
    };
    EXPECT_EQ(cfgRst(0x00, 0x00, 0x00), Kinds{StartKind::hot});   // hardware reset
    EXPECT_EQ(cfgRst(0x01, 0x00, 0x04), Kinds{StartKind::warm});  // after shutdown
    EXPECT_EQ(cfgRst(0x10, 0x00, 0x01), Kinds{StartKind::cold});  // more than the ephemeris
    EXPECT_TRUE(cfgRst(0xFF, 0xFF, 0x08).empty());                // GNSS stopped only
    EXPECT_TRUE(cfgRst(0xFF, 0xFF, 0x09).empty());                // and started again
}

}  // namespace
