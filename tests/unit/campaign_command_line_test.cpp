#include "commands/campaign_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace {

int parse(std::vector<const char*> arguments, CampaignCommandLine* line, std::string* reason) {
    arguments.insert(arguments.begin(), "skyvane.exe");
    const char* error = "";
    const int parsed =
        parseCampaignCommandLine(static_cast<int>(arguments.size()), arguments.data(), line, &error);
    *reason = error;
    return parsed;
}

// A lab's command line, whole and with its options; none is no campaign.
TEST(CampaignCommandLine, ReadsACampaignAndRefusesWhatMakesNone) {
    CampaignCommandLine line;
    std::string reason;
    ASSERT_EQ(parse({"--campaign", "cold:20", "--port", "COM7", "--baud", "115200", "--report",
                     "out.json", "--limits", "bench.ini", "--family", "pmtk", "--timeout", "90",
                     "--settle", "3", "--reference", "25.0391,121.5764"},
                    &line, &reason),
              1);
    EXPECT_TRUE(line.given);
    EXPECT_EQ(line.settings.kind, StartKind::cold);
    EXPECT_EQ(line.settings.count, 20);
    EXPECT_EQ(narrow(line.port.c_str()), "\\\\.\\COM7");
    EXPECT_EQ(line.baudIndex, 5);
    EXPECT_STREQ(line.reportPath, "out.json");
    EXPECT_STREQ(line.limitsPath, "bench.ini");
    EXPECT_EQ(line.settings.choice, FamilyChoice::one);
    EXPECT_EQ(line.settings.family, CommandFamily::pmtk);
    EXPECT_EQ(line.settings.timeoutS, 90);
    EXPECT_EQ(line.settings.settleS, 3);
    ASSERT_TRUE(line.reference.has_value());
    EXPECT_DOUBLE_EQ(line.reference->lon, 121.5764);

    ASSERT_EQ(parse({}, &line, &reason), 1);
    EXPECT_FALSE(line.given);
    ASSERT_EQ(parse({"drive.nmea"}, &line, &reason), 1);  // as a file association passes it
    EXPECT_FALSE(line.given);

    const std::vector<std::vector<const char*>> refused = {
        {"--campaign", "cold", "--port", "COM7", "--baud", "115200", "--report", "r.json"},
        {"--campaign", "lukewarm:3", "--port", "COM7", "--baud", "115200", "--report", "r.json"},
        {"--campaign", "hot:0", "--port", "COM7", "--baud", "115200", "--report", "r.json"},
        {"--campaign", "hot:3", "--port", "/dev/ttyS0", "--baud", "115200", "--report", "r.json"},
        {"--campaign", "hot:3", "--port", "COM7", "--baud", "115201", "--report", "r.json"},
        {"--campaign", "hot:3", "--port", "COM7", "--baud", "115200"},
        {"--campaign", "hot:3", "--port", "COM7", "--baud", "115200", "--report", "r.json",
         "--family", "sirf"},
        {"--campaign", "hot:3", "--port", "COM7", "--baud", "115200", "--report", "r.json",
         "--verbose"},
        {"--port", "COM7", "--baud", "115200", "--report", "r.json"},
    };
    for (const auto& arguments : refused) {
        EXPECT_EQ(parse(arguments, &line, &reason), 0) << arguments[1];
        EXPECT_FALSE(reason.empty());
    }
}

}  // namespace
