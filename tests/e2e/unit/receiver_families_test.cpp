#include "receiver_family.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
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
    void start(StartKind kind) override { starts.push_back(kind); }
    void switchBaud(long baud) override { switches.push_back(baud); }

    std::string replies;
    std::vector<StartKind> starts;
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
// with 9600 chosen): every family's commands in turn.
const std::string monVerPoll("\xB5\x62\x0A\x04\x00\x00\x0E\x34", 8);
const std::string getVersion = "@VER\r\n$PMTK605*31\r\n$PSRF125*21\r\n$PAIR020*38\r\n" + monVerPoll;
const std::string cfgRstFrame("\xB5\x62\x06\x04\x04\x00\xFF\xB9\x02\x00\xC8\x8F", 12);
const std::string resetFrameA0A2 = std::string("\xA0\xA2\x00\x19\x80", 5) + std::string(22, '\0') +
                                   std::string("\x0C\x39\x00\xC5\xB0\xB3", 6);
const std::string coldStart =
    "$PSRF104,0,0,0,96000,237759,1946,12,4*1D\r\n$PMTK103*30\r\n$PAIR006*3C\r\n@GCD\r\n" +
    cfgRstFrame;
const std::string factoryReset = "$PMTK104*37\r\n@GSR\r\n$PAIR007*3D\r\n" +
                                 sentence("$PSRF100,0,9600,8,1,0") + resetFrameA0A2 +
                                 resetFrameA0A2 + cfgRstFrame;

// Each family's answer to the version query, what the program's fields show then, the
// family the program takes it for, and the starts the Cold Start and Factory Reset
// buttons make (the "@" family's part of the factory reset is its hot start).
struct Family {
    ReceiverFamily family;
    std::string answer;
    const char* core;
    const char* firmware;
    CommandFamily programSees;
    std::vector<StartKind> buttonStarts;
};

const Family families[] = {
    {ReceiverFamily::none, "", "", "", CommandFamily::none, {}},
    {ReceiverFamily::psrf,
     "$PSRF195,SIMPS_5.1.3-R2 04/11/2025*56\r\n",
     "",
     "SIMPS_5.1.3-R2 04/11/2025",
     CommandFamily::psrf,
     {StartKind::cold, StartKind::factory}},
    {ReceiverFamily::pmtk,
     "$PMTK705,SIMMT_3.20_0417_25031800,0417,SKV-M1,1.0*03\r\n",
     "SIMMT_3.20_0417_25031800",
     "0417",
     CommandFamily::pmtk,
     {StartKind::cold, StartKind::factory}},
    {ReceiverFamily::pair,
     "$PAIR020,SIMAR_V2.8.1,F2.8.1_0318,SKV-A1,1.0*5A\r\n",
     "SIMAR_V2.8.1",
     "F2.8.1_0318",
     CommandFamily::pair,
     {StartKind::cold, StartKind::factory}},
    {ReceiverFamily::at,
     "[VER] Model SKV-AT1\r\n[VER] FW 3.4.0 build 0088\r\n[VER] Done\r\n",
     "",
     "[VER] FW 3.4.0 build 0088",
     CommandFamily::at,
     {StartKind::cold, StartKind::hot}},
    {ReceiverFamily::ubx,
     monVerFrame(),
     "CORE 4.20 (52817)",
     "SVX 2.10",
     CommandFamily::ubx,
     {StartKind::cold, StartKind::cold}},
};

TEST(ReceiverFamilies, EachAnswersAndRestartsAtItsOwnCommandsCutAnywhere) {
    const std::string session = coldStart + getVersion + factoryReset + getVersion;
    for (const Family& f : families) {
        const char* name = receiverFamilyName(f.family);
        for (std::size_t readSize : {SIZE_MAX, std::size_t{1}, std::size_t{2}, std::size_t{7}}) {
            const RecordingControl control = feed(f.family, session, readSize);
            EXPECT_EQ(control.replies, f.answer + f.answer) << name << " " << readSize;
            EXPECT_EQ(control.starts, f.buttonStarts) << name;
            EXPECT_TRUE(control.switches.empty()) << name;
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
        "$PMTK605*32\r\n$PSRF125*20\r\n$PAIR020*39\r\n$PMTK103*31\r\n$PAIR006*3D\r\n",
        "$PMTK605\r\n$PSRF125\r\n$PAIR020\r\n$PSRF104,0*00\r\n",  // checksum missing, wrong
        "$PMTK606*30\r\n$PSRF126*22\r\n$PAIR021*39\r\n@VERX\r\n@ver\r\n@GCDE\r\n",
        "$PSRF150,0,300,1000,1\r\n$PSRF103,02,00,01,01*27\r\n",  // other commands
        std::string("$PMTK605*31\x01\r\n$PAIR\x80") + "020*38\r\n@V\x02" + "ER\r\n",
        "@VER " + std::string(300, 'x') + "\r\n",            // too long: dropped whole
        "$PMTK605*31",                                       // unfinished: runs into the next line
        std::string("\xB5\x62\x0A\x04\x00\x00\x0E\x35", 8),  // poll, wrong checksum
        std::string("\xB5\x62\x06\x04\x00\x00\x0A\x24", 8),  // CFG-RST without payload
        std::string("\xB5\x62\x0A\x04\x82\x00", 6) + std::string(132, 'x'),  // oversized
    };
    for (const Family& f : families) {
        for (const std::string& bytes : ignored) {
            const RecordingControl control = feed(f.family, bytes + getVersion);
            EXPECT_EQ(control.replies, f.answer)
                << receiverFamilyName(f.family) << " after " << bytes.substr(0, 40);
            EXPECT_TRUE(control.starts.empty()) << receiverFamilyName(f.family);
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
        {"named, a query, committed", to115200 + getVersion + commit, {115200}},
        {"two passes", to115200 + commit + to115200 + commit, {115200, 115200}},
        {"the last rate named counts",
         to115200 + sentence("$PAIR864,0,0,921600") + commit,
         {921600}},
        {"a second commit changes nothing", to115200 + commit + commit, {115200}},
        {"commit without a rate", commit, {}},
        {"wrong checksum", "$PAIR864,0,0,115200*1C\r\n" + commit, {}},
        {"unsupported rate", sentence("$PAIR864,0,0,12345") + commit, {}},
        {"not a number", sentence("$PAIR864,0,0,fast") + commit, {}},
        {"another port", sentence("$PAIR864,1,0,115200") + commit, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(feed(ReceiverFamily::pair, c.bytes, 3).switches, c.switches) << c.label;
    }
    EXPECT_TRUE(feed(ReceiverFamily::pmtk, to115200 + commit).switches.empty());
}

TEST(ReceiverFamilies, TheMonVerAnswerIsAWholeUbxFrame) {
    const std::string frame = monVerFrame();
    ASSERT_EQ(frame.size(), 138u);  // 30 + 10 + 3 x 30 payload bytes, 8 of framing
    EXPECT_EQ(frame.substr(0, 6), std::string("\xB5\x62\x0A\x04\x82\x00", 6));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.data());
    const UbxChecksum sum = ubxChecksum(bytes + 2, frame.size() - 4);
    EXPECT_EQ(frame.substr(136), std::string({static_cast<char>(sum.a), static_cast<char>(sum.b)}));
    EXPECT_EQ(frame.substr(6, 30), "ROM CORE 4.20 (52817)" + std::string(9, '\0'));
    EXPECT_EQ(frame.substr(46, 30), "FWVER=SVX 2.10" + std::string(16, '\0'));
    EXPECT_EQ(frame.substr(76, 14), std::string("PROTVER=24.10\0", 14));
}

// The program's own intake: bytes through its reader's filter and line by line through
// the reply recognisers, as under Wine.
struct ProgramView {
    ProgramView() { ring.init(1024); }
    void receive(const std::string& bytes) {
        for (char c : bytes) {
            if (filterReceivedByte(ring, static_cast<std::uint8_t>(c)) == ReceivedByte::lineEnd) {
                std::vector<std::uint8_t> line(ring.count());
                ring.pop(line.data(), ring.count());
                intake->onLine(LineBytes{line.data(), line.size()});
                checksumsOk.push_back(intake->lastLine().checksumOk);
            }
        }
    }
    static std::string narrow(const FixedText<1024>& field) {
        return std::string(field.c_str(), field.c_str() + field.length());
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
    // The lines the answer and the next line make: sentences are black, the at lines red.
    // The MON-VER class byte is a line feed: "b" ends a line of its own, and the frame's
    // text runs on into the next line of the stream.
    const std::vector<bool> checksumsOk[] = {
        {true},        {true, true}, {true, true}, {true, true}, {false, false, false, true},
        {false, false}};
    for (std::size_t i = 0; i < std::size(families); ++i) {
        const Family& f = families[i];
        ProgramView program;
        program.receive(f.answer + nextLine);
        EXPECT_EQ(ProgramView::narrow(program.host.coreVersion), f.core);
        EXPECT_EQ(ProgramView::narrow(program.host.firmwareVersion), f.firmware);
        EXPECT_EQ(program.checksumsOk, checksumsOk[i]) << receiverFamilyName(f.family);
        EXPECT_EQ(program.intake->lastVersionFamily(), f.programSees)
            << receiverFamilyName(f.family);
    }
}

}  // namespace
