#include "replay_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    int ok;
    ReplayOptions options;
    std::string error;
};

Parsed parse(std::vector<const char*> args) {
    args.insert(args.begin(), "skyvane-replay");
    Parsed parsed;
    const char* error = "";
    parsed.ok = parseReplayOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                   &parsed.options, &error);
    parsed.error = error;
    return parsed;
}

TEST(ReplayOptions, PanelOptionsAndTheirDefaults) {
    const Parsed plain = parse({"--final", "in.nmea"});
    ASSERT_EQ(plain.ok, 1);
    EXPECT_EQ(plain.options.panel.path, nullptr);
    EXPECT_EQ(plain.options.panel.width, 994);
    EXPECT_EQ(plain.options.panel.height, 378);
    EXPECT_EQ(plain.options.panel.signalOffset, 0);

    const Parsed drawn =
        parse({"--panel", "p.svg", "--panel-size", "640x32767", "--view", "GLS=0", "--view",
               "BDS=-2147483648", "--view", "GLS=7", "--signal-offset", "-10", "--log", "l.txt",
               "--line-ms", "4294967295", "--utc-offset", "-300", "-"});
    ASSERT_EQ(drawn.ok, 1) << drawn.error;
    const PanelOptions& panel = drawn.options.panel;
    EXPECT_STREQ(panel.path, "p.svg");
    EXPECT_EQ(panel.width, 640);
    EXPECT_EQ(panel.height, 32767);
    EXPECT_EQ(panel.views.gps, 1);
    EXPECT_EQ(panel.views.gls, 7);  // the last one counts
    EXPECT_EQ(panel.views.gas, 1);
    EXPECT_EQ(panel.views.bds, -2147483647 - 1);
    EXPECT_EQ(panel.views.gns, 1);
    EXPECT_EQ(panel.signalOffset, -10);
    EXPECT_STREQ(drawn.options.logPath, "l.txt");
    EXPECT_EQ(drawn.options.lineMs, 4294967295LL);
    EXPECT_EQ(drawn.options.utcOffsetMinutes, -300);
    EXPECT_STREQ(drawn.options.inputPath, "-");
}

TEST(ReplayOptions, RefusesMalformedValues) {
    struct Case {
        std::vector<const char*> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--panel"}, "--panel needs a path"},
        {{"--panel-size", "994", "f"}, "--panel-size"},
        {{"--panel-size", "0x378", "f"}, "--panel-size"},
        {{"--panel-size", "994x32768", "f"}, "--panel-size"},
        {{"--panel-size", "994x", "f"}, "--panel-size"},
        {{"--panel-size", "x378", "f"}, "--panel-size"},
        {{"--panel-size", "994x378x2", "f"}, "--panel-size"},
        {{"--panel-size", " 994x378", "f"}, "--panel-size"},
        {{"--view", "GPS", "f"}, "--view"},
        {{"--view", "gps=0", "f"}, "--view"},
        {{"--view", "GPSS=0", "f"}, "--view"},
        {{"--view", "GPS=", "f"}, "--view"},
        {{"--view", "GPS=2147483648", "f"}, "--view"},
        {{"--view", "=0", "f"}, "--view"},
        {{"--signal-offset", "-2147483649", "f"}, "--signal-offset"},
        {{"--signal-offset", "1.5", "f"}, "--signal-offset"},
        {{"--signal-offset", "-", "f"}, "--signal-offset"},
        {{"--line-ms", "-1", "f"}, "--line-ms"},
        {{"--line-ms", "4294967296", "f"}, "--line-ms"},
        {{"--utc-offset", "99999999999999999999", "f"}, "--utc-offset"},
        {{"--panels", "p.svg", "f"}, "unknown option"},
        {{"--panel", "p.svg"}, "no input file given"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = parse(c.args);
        EXPECT_EQ(parsed.ok, 0) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
        EXPECT_EQ(parsed.error.rfind(c.error, 0), 0u) << parsed.error;
    }
}

}  // namespace
