#include "stats/limits_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Read {
    int ok;
    LimitSet limits;
    std::string error;
};

Read readText(const std::string& name, const std::string& text) {
    const fs::path path = fs::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    Read read{};
    IniError error;
    read.ok = readLimitsFile(path.string().c_str(), &read.limits, &error);
    read.error = error.message;
    fs::remove(path);
    return read;
}

// The file is read a line at a time through a buffer of one line, and
// reports what the text parser reports, with its own errors besides.
TEST(LimitsFile, ReadLineByLineWithTheErrorsOfAFile) {
    const Read good = readText("skyvane-limits-good.ini",
                               "\xEF\xBB\xBF[LIMITS]\r\nGAPS_MAX = 2 ; gaps\r\nCEP95_MAX_M=5");
    ASSERT_EQ(good.ok, 1) << good.error;
    ASSERT_EQ(good.limits.count, 2);
    EXPECT_EQ(good.limits.entries[0].key, LimitKey::gapsMax);
    EXPECT_EQ(good.limits.entries[1].value.value, 5.0);

    const fs::path folder = fs::temp_directory_path();
    const struct {
        const char* name;
        std::string text;
        std::string error;  // after the path
    } cases[] = {
        {"skyvane-limits-long.ini", "[LIMITS]\nGAPS_MAX=1\n" + std::string(10 << 20, '9') + "\n",
         ":3: line longer than 1024 characters"},
        {"skyvane-limits-unknown.ini", "[LIMITS]\n\nGAPS=1\n", ":3: unknown key GAPS in [LIMITS]"},
        {"skyvane-limits-none.ini", "[LIMIT]\nGAPS_MAX=1\n", ": no [LIMITS] section"},
        {"skyvane-limits-empty.ini", "", ": no [LIMITS] section"},
    };
    for (const auto& c : cases) {
        const Read bad = readText(c.name, c.text);
        EXPECT_EQ(bad.ok, 0) << c.name;
        EXPECT_EQ(bad.error, (folder / c.name).string() + c.error);
    }
    LimitSet limits;
    IniError error;
    EXPECT_EQ(readLimitsFile("/no/such/limits.ini", &limits, &error), 0);
    EXPECT_STREQ(error.message, "/no/such/limits.ini: the limits file cannot be opened");
}

}  // namespace
