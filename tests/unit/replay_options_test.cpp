#include "replay_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int parse(std::vector<const char*> args, ReplayOptions* options, std::string* error) {
    args.insert(args.begin(), "skyvane-replay");
    const char* reason = "";
    const int ok = parseReplayOptions(static_cast<int>(args.size()),
                                      const_cast<char**>(args.data()), options, &reason);
    *error = reason;
    return ok;
}

TEST(ReplayOptions, PanelOptionsAndTheirDefaults) {
    ReplayOptions plain;
    std::string error;
    ASSERT_EQ(parse({"in.nmea"}, &plain, &error), 1);
    EXPECT_EQ(plain.panel.path, nullptr);
    EXPECT_EQ(plain.panel.width, 994);
    EXPECT_EQ(plain.panel.height, 378);

    ReplayOptions drawn;
    ASSERT_EQ(parse({"--panel", "p.svg", "--panel-size", "640x32767", "--view", "GLS=0", "--view",
                     "BDS=-2147483648", "--view", "GLS=7", "--signal-offset", "-10", "-"},
                    &drawn, &error),
              1)
        << error;
    const PanelOptions& panel = drawn.panel;
    EXPECT_STREQ(panel.path, "p.svg");
    EXPECT_EQ(panel.width, 640);
    EXPECT_EQ(panel.height, 32767);
    EXPECT_EQ(panel.views.gps, 1);
    EXPECT_EQ(panel.views.gls, 7);  // the last one counts
    EXPECT_EQ(panel.views.bds, -2147483647 - 1);
    EXPECT_EQ(panel.signalOffset, -10);
}

TEST(ReplayOptions, RefusesMalformedPanelValues) {
    const std::vector<const char*> cases[] = {
        {"--panel-size", "994"},
        {"--panel-size", "0x378"},
        {"--panel-size", "994x32768"},
        {"--panel-size", "994x"},
        {"--panel-size", "994x378x2"},
        {"--view", "GPS"},
        {"--view", "gps=0"},
        {"--view", "GPSS=0"},
        {"--view", "GPS="},
        {"--view", "GPS=2147483648"},
        {"--signal-offset", "1.5"},
        {"--signal-offset", "-2147483649"},
    };
    for (const std::vector<const char*>& args : cases) {
        ReplayOptions options;
        std::string error;
        std::vector<const char*> withInput = args;
        withInput.push_back("in.nmea");
        EXPECT_EQ(parse(withInput, &options, &error), 0) << args[0] << " " << args[1];
        EXPECT_EQ(error.rfind(args[0], 0), 0u) << error;
    }
}

TEST(ReplayOptions, ReportLimitsReferenceAndHelp) {
    ReplayOptions options;
    std::string error;
    ASSERT_EQ(
        parse({"--report", "r.json", "--limits", "l.ini", "--reference", "-33.5,-70.25", "in.nmea"},
              &options, &error),
        1)
        << error;
    EXPECT_STREQ(options.report.reportPath, "r.json");
    EXPECT_STREQ(options.report.limitsPath, "l.ini");
    EXPECT_TRUE(options.report.hasReference);
    EXPECT_EQ(options.report.reference.lat, -33.5);
    EXPECT_EQ(options.report.reference.lon, -70.25);
    EXPECT_TRUE(options.report.wanted());

    EXPECT_EQ(options.report.htmlPath, nullptr);
    EXPECT_STREQ(options.report.sourceName, "in.nmea");

    // The page alone is a report too; it names the recording without its folders.
    ReplayOptions page;
    ASSERT_EQ(
        parse({"--html", "r.html", "--reference", "1,2", "logs/bench\\run 1.nmea"}, &page, &error),
        1)
        << error;
    EXPECT_STREQ(page.report.htmlPath, "r.html");
    EXPECT_EQ(page.report.reportPath, nullptr);
    EXPECT_TRUE(page.report.wanted());
    EXPECT_STREQ(page.report.sourceName, "run 1.nmea");
    ReplayOptions piped;
    ASSERT_EQ(parse({"--html", "r.html", "-"}, &piped, &error), 1);
    EXPECT_STREQ(piped.report.sourceName, "standard input");

    ReplayOptions plain;
    ASSERT_EQ(parse({"in.nmea"}, &plain, &error), 1);
    EXPECT_FALSE(plain.report.wanted());
    EXPECT_FALSE(plain.showHelp);

    ReplayOptions help;
    ASSERT_EQ(parse({"--line-ms", "5", "--help", "--no-such-option"}, &help, &error), 1);
    EXPECT_TRUE(help.showHelp);

    const struct {
        std::vector<const char*> args;
        const char* error;
    } refused[] = {
        {{"--reference", "91,0", "--report", "r.json", "in.nmea"}, "--reference needs LAT,LON"},
        {{"--reference", "1,2", "in.nmea"}, "--reference needs --report, --html or --limits"},
        {{"--report"}, "--report needs a path"},
        {{"--limits"}, "--limits needs a path"},
        {{"--html"}, "--html needs a path"},
        {{"--htm", "r.html", "in.nmea"}, "unknown option"},
    };
    for (const auto& c : refused) {
        ReplayOptions bad;
        EXPECT_EQ(parse(c.args, &bad, &error), 0) << c.args[0];
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

}  // namespace
