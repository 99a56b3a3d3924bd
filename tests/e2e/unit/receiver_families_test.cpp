#include "receiver_family.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "sentence_text.h"
#include "serial/byte_filter.h"
#include "serial/byte_ring.h"
#include "ubx_frame.h"
#include "ubx_receiver.h"

namespace {

// What a policy made the receiver do.
class RecordingControl final : public ReceiverControl {
public:
    bool queueReply(const std::uint8_t* bytes, std::size_t count) override {
        replies.append(reinterpret_cast<const char*>(bytes), count);
        return true;
    }
    void restartCold() override { ++restarts; }
    void switchBaud(long baud) override { switches.push_back(baud); }

    std::string replies;
    int restarts = 0;
    std::vector<long> switches;
};

// Feeds the bytes to a new policy of the family in reads of at most readSize bytes.
RecordingControl feed(ReceiverFamily family, const std::string& bytes,
                      std::size_t readSize = SIZE_MAX) {
    std::unique_ptr<ReplyPolicy> policy = makeReplyPolicy(family);
    RecordingControl control;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    for (std::size_t at = 0; at < bytes.size(); at += readSize) {
        policy->onReceived(data + at, std::min(readSize, bytes.size() - at), control);
    }
    return control;
}

std::string sentence(const char* body) {
    char text[128];
    return std::string(text, formatSentence(text, sizeof text, body));
}

std::string monVerFrame() {
    std::uint8_t frame[256];
    return std::string(reinterpret_cast<char*>(frame), buildMonVerFrame(frame, sizeof frame));
}

// What the program writes for its version query, cold start and factory reset (the last
// with 9600 chosen): every family's command in turn.
const std::string getVersion = "@VER\r\n$PMTK605*31\r\n$PSRF125*21\r\n$PAIR020*38\r\n" +
                               std::string("\xB5\x62\x0A\x04\x00\x00\x0E\x34", 8);
const std::string cfgRstFrame("\xB5\x62\x06\x04\x04\x00\xFF\xB9\x02\x00\xC8\x8F", 12);
const std::string resetFrameA0A2 = std::string("\xA0\xA2\x00\x19\x80", 5) + std::string(22, '\0') +
                                   std::string("\x0C\x39\x00\xC5\xB0\xB3", 6);
const std::string coldStart =
    "$PSRF104,0,0,0,96000,237759,1946,12,4*1D\r\n$PMTK103*30\r\n$PAIR006*3C\r\n@GCD\r\n" +
    cfgRstFrame;
const std::string factoryReset = "$PMTK104*37\r\n@GSR\r\n$PAIR007*3D\r\n" +
                                 sentence("$PSRF100,0,9600,8,1,0") + resetFrameA0A2 +
                                 resetFrameA0A2 + cfgRstFrame;

const ReceiverFamily allFamilies[] = {ReceiverFamily::none, ReceiverFamily::psrf,
                                      ReceiverFamily::pmtk, ReceiverFamily::pair,
                                      ReceiverFamily::at,   ReceiverFamily::ubx};

std::string versionAnswerOf(ReceiverFamily family) {
    switch (family) {
        case ReceiverFamily::psrf:
            return "$PSRF195,SIMPS_5.1.3-R2 04/11/2025*56\r\n";
        case ReceiverFamily::pmtk:
            return "$PMTK705,SIMMT_3.20_0417_25031800,0417,SKV-M1,1.0*03\r\n";
        case ReceiverFamily::pair:
            return "$PAIR020,SIMAR_V2.8.1,F2.8.1_0318,SKV-A1,1.0*5A\r\n";
        case ReceiverFamily::at:
            return "[VER] Model SKV-AT1\r\n[VER] FW 3.4.0 build 0088\r\n[VER] Done\r\n";
        case ReceiverFamily::ubx:
            return monVerFrame();
        case ReceiverFamily::none:
            break;
    }
    return "";
}

TEST(ReceiverFamilies, EachAnswersTheVersionQueryAndRestartsOnlyAtItsOwnCommands) {
    for (ReceiverFamily family : allFamilies) {
        const char* name = receiverFamilyName(family);
        const RecordingControl asked = feed(family, getVersion);
        EXPECT_EQ(asked.replies, versionAnswerOf(family)) << name;
        EXPECT_EQ(asked.restarts, 0) << name;
        const RecordingControl reset = feed(family, coldStart + factoryReset);
        EXPECT_EQ(reset.replies, "") << name;
        EXPECT_EQ(reset.restarts, family == ReceiverFamily::none ? 0 : 2) << name;
        EXPECT_TRUE(asked.switches.empty() && reset.switches.empty()) << name;
    }
}

TEST(ReceiverFamilies, CommandsCutAnywhereOrSharingAReadGiveTheSameAnswers) {
    const std::string session = coldStart + getVersion + factoryReset + getVersion;
    for (ReceiverFamily family : allFamilies) {
        const RecordingControl whole = feed(family, session);
        EXPECT_EQ(whole.replies, versionAnswerOf(family) + versionAnswerOf(family));
        for (std::size_t readSize : {1u, 2u, 3u, 5u, 7u, 13u}) {
            const RecordingControl cut = feed(family, session, readSize);
            EXPECT_EQ(cut.replies, whole.replies) << receiverFamilyName(family) << " " << readSize;
            EXPECT_EQ(cut.restarts, whole.restarts)
                << receiverFamilyName(family) << " " << readSize;
        }
    }
}

TEST(ReceiverFamilies, IgnoreGarbageUnknownCommandsAndWrongChecksumsButNotWhatFollows) {
    std::string garbage;
    std::mt19937 random(20250318);
    for (int i = 0; i < 65536; ++i) {
        garbage.push_back(static_cast<char>(random() & 0xFF));
    }
    const std::string ignored[] = {
        garbage,
        "$PMTK605*32\r\n$PSRF125*20\r\n$PAIR020*39\r\n",  // wrong checksums
        "$PMTK605\r\n$PSRF125\r\n$PAIR020\r\n",           // none at all
        "$PMTK103*31\r\n$PSRF104,0*00\r\n$PAIR006*3D\r\n",
        "$PMTK606*30\r\n$PSRF126*22\r\n$PAIR021*39\r\n@VERX\r\n@ver\r\n@GCDE\r\n",  // unknown
        "$PSRF150,0,300,1000,1\r\n$PSRF103,02,00,01,01*27\r\n",  // other commands
        std::string("\xB5\x62\x0A\x04\x00\x00\x0E\x35", 8),      // poll, wrong checksum
        std::string("\xB5\x62\x06\x04\x00\x00\x0A\x24", 8),      // not a reset: no payload
    };
    for (ReceiverFamily family : allFamilies) {
        for (const std::string& bytes : ignored) {
            const RecordingControl control = feed(family, bytes + getVersion);
            EXPECT_EQ(control.replies, versionAnswerOf(family))
                << receiverFamilyName(family) << " after " << bytes.substr(0, 40);
            EXPECT_EQ(control.restarts, 0) << receiverFamilyName(family);
        }
    }
}

TEST(ReceiverFamilies, PairSwitchesItsRateWhenTheNamedRateIsCommitted) {
    const std::string to115200 = sentence("$PAIR864,0,0,115200");
    const std::string commit = "$PAIR023*3B\r\n";
    struct Case {
        const char* label;
        std::string bytes;
        std::vector<long> switches;
    };
    const Case cases[] = {
        {"named then committed", to115200 + commit, {115200}},
        {"with a version query between", to115200 + getVersion + commit, {115200}},
        {"three passes",
         to115200 + commit + to115200 + commit + to115200 + commit,
         {115200, 115200, 115200}},
        {"the last rate named counts",
         to115200 + sentence("$PAIR864,0,0,921600") + commit,
         {921600}},
        {"a second commit changes nothing", to115200 + commit + commit, {115200}},
        {"commit without a rate", commit, {}},
        {"rate without a commit", to115200, {}},
        {"wrong checksum", "$PAIR864,0,0,115200*1C\r\n" + commit, {}},
        {"unsupported rate", sentence("$PAIR864,0,0,12345") + commit, {}},
        {"not a number", sentence("$PAIR864,0,0,fast") + commit, {}},
        {"another port", sentence("$PAIR864,1,0,115200") + commit, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(feed(ReceiverFamily::pair, c.bytes).switches, c.switches) << c.label;
        EXPECT_EQ(feed(ReceiverFamily::pair, c.bytes, 3).switches, c.switches) << c.label;
    }
    for (ReceiverFamily family : allFamilies) {
        if (family != ReceiverFamily::pair) {
            EXPECT_TRUE(feed(family, to115200 + commit).switches.empty());
        }
    }
}

TEST(ReceiverFamilies, TheMonVerAnswerIsAWholeUbxFrame) {
    const std::string frame = monVerFrame();
    ASSERT_EQ(frame.size(), 138u);  // 30 + 10 + 3 x 30 payload bytes, 8 of framing
    EXPECT_EQ(frame.substr(0, 6), std::string("\xB5\x62\x0A\x04\x82\x00", 6));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.data());
    const UbxChecksum sum = ubxChecksum(bytes + 2, frame.size() - 4);
    EXPECT_EQ(bytes[136], sum.a);
    EXPECT_EQ(bytes[137], sum.b);
    EXPECT_EQ(frame.substr(6, 30), "ROM CORE 4.20 (52817)" + std::string(9, '\0'));
    EXPECT_EQ(frame.substr(46, 30), "FWVER=SVX 2.10" + std::string(16, '\0'));
    EXPECT_EQ(frame.substr(76, 13), "PROTVER=24.10");
}

// The program's own intake: bytes through its reader's filter and line by line through
// the reply recognisers, as under Wine.
struct ProgramView {
    ProgramView() { ring.init(1024); }
    void receive(const std::string& bytes) {
        for (char c : bytes) {
            if (filterReceivedByte(ring, static_cast<std::uint8_t>(c)) == ReceivedByte::lineEnd) {
                host.beginLine();
                intake->onLineReady(ring);
                checksumsOk.push_back(intake->lastLine().checksumOk);
            }
        }
    }
    std::string text(const FixedText<1024>& field) const {
        std::string narrow;
        for (const char16_t* unit = field.c_str(); *unit != 0; ++unit) {
            narrow.push_back(static_cast<char>(*unit));
        }
        return narrow;
    }

    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    ByteRing ring;
    std::unique_ptr<SentenceIntake> intake = std::make_unique<SentenceIntake>(*state, host);
    std::vector<bool> checksumsOk;
};

TEST(ReceiverFamilies, TheProgramShowsTheDocumentedVersionTexts) {
    const std::string nextLine =
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    struct Case {
        ReceiverFamily family;
        const char* core;
        const char* firmware;
        std::vector<bool> checksumsOk;  // of the lines the answer and the next line make
    };
    const Case cases[] = {
        {ReceiverFamily::none, "", "", {true}},
        {ReceiverFamily::psrf, "", "SIMPS_5.1.3-R2 04/11/2025", {true, true}},
        {ReceiverFamily::pmtk, "SIMMT_3.20_0417_25031800", "0417", {true, true}},
        {ReceiverFamily::pair, "SIMAR_V2.8.1", "F2.8.1_0318", {true, true}},
        {ReceiverFamily::at, "", "[VER] FW 3.4.0 build 0088", {false, false, false, true}},
        // The frame's class byte is a line feed: "b" ends a line of its own, and the
        // frame's text runs on into the next line of the stream.
        {ReceiverFamily::ubx, "CORE 4.20 (52817)", "SVX 2.10", {false, false}},
    };
    for (const Case& c : cases) {
        ProgramView program;
        program.receive(feed(c.family, getVersion).replies + nextLine);
        EXPECT_EQ(program.text(program.host.coreVersion), c.core) << receiverFamilyName(c.family);
        EXPECT_EQ(program.text(program.host.firmwareVersion), c.firmware)
            << receiverFamilyName(c.family);
        EXPECT_EQ(program.checksumsOk, c.checksumsOk) << receiverFamilyName(c.family);
    }
}

}  // namespace
