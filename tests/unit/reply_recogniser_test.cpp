#include "nmea/reply_recogniser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless_host.h"
#include "test_text.h"

namespace {

struct Replies {
    Replies() {
        host.coreVersion.assignAscii("old core");
        host.firmwareVersion.assignAscii("old fw");
    }
    void line(const std::string& text) {
        const std::u16string line = units(text);
        recogniser->parseReplies(line.c_str(), host);
    }
    std::string core() const { return narrow(host.coreVersion.c_str()); }
    std::string family() const { return commandFamilyName(recogniser->lastVersionFamily()); }
    std::string fw() const { return narrow(host.firmwareVersion.c_str()); }

    std::unique_ptr<ReplyRecogniser> recogniser = std::make_unique<ReplyRecogniser>();
    HeadlessHost host;
};

struct Case {
    const char* label;
    const char* line;
    const char* core;
    const char* fw;
};

TEST(ReplyRecogniser, VersionRepliesFillTheVersionFields) {
    const Case cases[] = {
        {"PMTK705: release and build", "$PMTK705,AXN_2.31_3339_13101700,5632,PA6H,1.0*6B\r\n",
         "AXN_2.31_3339_13101700", "5632"},
        {"PMTK705: empty release", "$PMTK705,,5632,PA6H*12\r\n", "old core", "5632"},
        {"PMTK705: empty build", "$PMTK705,AXN_1.30,,x*12\r\n", "AXN_1.30", "old fw"},
        {"PMTK705: anywhere in the line", "junk$PMTK705,A,B,C\r\n", "A", "B"},
        {"PSRF195: field 1", "$PSRF195,GSD4e_4.1.2-P1,x,y*12\r\n", "old core", "GSD4e_4.1.2-P1"},
        {"PSRF195: empty field 1", "$PSRF195,,x*12\r\n", "old core", "old fw"},
        {"PAIR020: F build", "$PAIR020,AG3335M_V2.5.0,F_20220427,x*12\r\n", "AG3335M_V2.5.0",
         "F_20220427"},
        {"PAIR020: other build", "$PAIR020,AG3352,S_1,x*12\r\n", "AG3352", "old fw"},
        {"PAIR020: lower-case f", "$PAIR020,AG3352,f_1*12\r\n", "AG3352", "old fw"},
        {"ROM CORE with build number", "$GPTXT,01,01,02,ROM CORE 1.00 (59842) Jun 27 2012*59\r\n",
         "CORE 1.00 (59842)", "old fw"},
        {"ROM CORE without bracket keeps the rest",
         "$GPTXT,01,01,02,ROM CORE 5.00 Jan 09 2006*76\r\n", "CORE 5.00 Jan 09 2006*76\r\n",
         "old fw"},
        {"ROM CORE: from the first C after the first ROM", "ROM Cfg ROM CORE 2 (7) x\r\n",
         "Cfg ROM CORE 2 (7)", "old fw"},
        {"FWVER: cut at P", "FWVER=1.0.2P*3C\r\n", "old core", "1.0.2"},
        {"FWVER: cut at star", "$XX,FWVER=AB12*3C\r\n", "old core", "AB12"},
        {"FWVER: first three never cut", "FWVER=P*P1*12\r\n", "old core", "P*P1"},
        {"FWVER: three units shown whole", "FWVER=A*P", "old core", "A*P"},
        {"FWVER: no mark keeps the line end", "FWVER=12345\r\n", "old core", "12345\r\n"},
        {"Version with colon", "$GPTXT,TELIT SW Version: SL869 v3.1.2.1 -STD\r\n",
         "SL869 v3.1.2.1 -STD\r\n", "old fw"},
        {"Version without colon starts at its e",
         "$PSRFTXTVersion GSW3.2.2_3.1.00.12-SDK003P1.01a *78\r\n",
         "ersion GSW3.2.2_3.1.00.12-SDK003P1.01a ", "old fw"},
        {"Version: the first colon anywhere", "Time: 12 Version 3\r\n", "12 Version 3\r\n",
         "old fw"},
        {"Version2 goes to the firmware field", "Version2:  1.2.3*00\r\n", "old core", "1.2.3"},
        {"colon at the very end", "Version:", "", "old fw"},
        {"several recognisers in one line", "ROM CORE 1.0 (5) FWVER=abc*12\r\n", "CORE 1.0 (5)",
         "abc"},
        {"PMTK705 and Version2: the later recogniser wins", "$PMTK705,A,B,Version2:x*12\r\n", "A",
         "B"},
        {"nothing known", "$GPGGA,1*4B\r\n", "old core", "old fw"},
        {"case matters", "$pmtk705,A,B*12 rom core version\r\n", "old core", "old fw"},
    };
    for (const Case& c : cases) {
        Replies replies;
        replies.line(c.line);
        EXPECT_EQ(replies.core(), c.core) << c.label;
        EXPECT_EQ(replies.fw(), c.fw) << c.label;
    }
}

TEST(ReplyRecogniser, WaasEnableWinsOverDisable) {
    struct WaasCase {
        const char* line;
        bool before;
        bool after;
    };
    const WaasCase cases[] = {
        {"WAAS Enable\r\n", false, true},
        {"WAAS Disable\r\n", true, false},
        {"WAAS Disable, WAAS Enable\r\n", false, true},
        {"WAAS Enable WAAS Disable\r\n", false, true},
        {"WAAS enable\r\n", true, true},
        {"$GPGGA,1*4B\r\n", true, true},
        {"$GPGGA,1*4B\r\n", false, false},
    };
    for (const WaasCase& c : cases) {
        Replies replies;
        replies.host.setGsvGsaChecked(c.before);
        replies.line(c.line);
        EXPECT_EQ(replies.host.gsvGsaChecked, c.after) << c.line;
    }
}

// The reply lists keep fields a shorter reply does not reach.
TEST(ReplyRecogniser, ShortRepliesReuseTheEarlierReplysFields) {
    Replies replies;
    replies.line("$PMTK705,AXN_2.31,5632,PA6H*6B\r\n");
    replies.host.firmwareVersion.assignAscii("changed");
    replies.line("$PMTK705,AXN_3.00\r\n");
    EXPECT_EQ(replies.core(), "AXN_3.00");
    EXPECT_EQ(replies.fw(), "5632");

    replies.line("$PAIR020,AG1,F_1,x\r\n");
    replies.host.firmwareVersion.assignAscii("changed");
    replies.line("$PAIR020,AG2\r\n");
    EXPECT_EQ(replies.core(), "AG2");
    EXPECT_EQ(replies.fw(), "F_1");
}

// "[VER] Done" shows the last other "[VER]" line without its CR LF.
TEST(ReplyRecogniser, VersionDoneShowsTheLastVersionLine) {
    Replies replies;
    replies.line("[VER] Done\r\n");
    EXPECT_EQ(replies.fw(), "old fw");

    replies.line("[VER] AG3335_V1.2\r\n");
    replies.line("[VER] AG3335_V1.3\r\n");
    EXPECT_EQ(replies.fw(), "old fw");
    replies.line("$GPGGA,1*4B\r\n");
    replies.line("ack [VER] Done\r\n");
    EXPECT_EQ(replies.fw(), "[VER] AG3335_V1.3");

    replies.host.firmwareVersion.assignAscii("changed");
    replies.line("[VER] Done\r\n");
    EXPECT_EQ(replies.fw(), "[VER] AG3335_V1.3");

    replies.line("x[VER]");
    replies.line("[VER] Done");
    EXPECT_EQ(replies.fw(), "x[VE");
}

// Each family's version reply as the simulated receivers send it (the UBX one as the
// program's reader runs the frame's printable bytes into the next line).
TEST(ReplyRecogniser, KeepsTheFamilyWhoseVersionReplyCameLast) {
    Replies replies;
    replies.line("[VER] Done\r\n");  // closes no version line
    const char* const notReplies[] = {
        "$GNGGA,1*4B\r\n",       "$GPTXT,TELIT SW Version: SL869\r\n",
        "WAAS Enable\r\n",       "$PMTK001,605,3*32\r\n",
        "$PAIR001,020,0*3E\r\n", "$PSRF,ROM C0RE\r\n",
    };
    for (const char* line : notReplies) {
        replies.line(line);
        EXPECT_EQ(replies.family(), "none") << line;
    }
    struct Answer {
        const char* family;
        std::vector<const char*> lines;
    };
    const Answer answers[] = {
        {"psrf", {"$PSRF195,SIMPS_5.1.3-R2 04/11/2025*56\r\n"}},
        {"pmtk", {"$PMTK705,SIMMT_3.20_0417_25031800,0417,SKV-M1,1.0*03\r\n"}},
        {"at", {"[VER] Model SKV-AT1\r\n", "[VER] FW 3.4.0 build 0088\r\n", "[VER] Done\r\n"}},
        {"pair", {"$PAIR020,SIMAR_V2.8.1,F2.8.1_0318,SKV-A1,1.0*5A\r\n"}},
        {"ubx", {"ROM CORE 4.20 (52817)00190000FWVER=SVX 2.10PROTVER=24.10$GNRMC,1*00\r\n"}},
        {"ubx", {"$GPTXT,01,01,02,ROM CORE 1.00 (59842) Jun 27 2012*59\r\n"}},
        {"pmtk", {"ROM CORE 1.0 (5) then $PMTK705,A,B*12\r\n"}},  // the later recogniser
    };
    std::string before = "none";
    for (const Answer& answer : answers) {
        for (const char* line : answer.lines) {
            EXPECT_EQ(replies.family(), before) << "before " << line;
            replies.line(line);
        }
        EXPECT_EQ(replies.family(), answer.family) << answer.lines.back();
        for (const char* line : notReplies) {
            replies.line(line);
        }
        EXPECT_EQ(replies.family(), answer.family) << "kept";
        before = answer.family;
    }
    replies.recogniser = std::make_unique<ReplyRecogniser>();
    EXPECT_EQ(replies.family(), "none");
}

}  // namespace
