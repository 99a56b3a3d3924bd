#include "serial/log_path.h"

#include <gtest/gtest.h>

#include <string>

#include "stats/report_file_name.h"
#include "test_text.h"

namespace {

TEST(LogPath, BesideTheExecutableWithSuffix) {
    LogPath path;
    const std::u16string exe = units("D:\\bench\\skyvane.exe");
    EXPECT_EQ(buildLogPath(exe.c_str(), units("unit42").c_str(), &path), LogPathResult::ok);
    EXPECT_EQ(narrow(path.c_str()), "D:\\bench\\unit42_log.txt");
    EXPECT_EQ(buildLogPath(exe.c_str(), units("").c_str(), &path), LogPathResult::ok);
    EXPECT_EQ(narrow(path.c_str()), "D:\\bench\\_log.txt");
    // A report beside it, named after the log or the time.
    CivilTime now;
    now.year = 2026;
    now.month = 12;
    now.day = 8;
    now.hour = 15;
    now.minute = 3;
    now.second = 9;
    EXPECT_EQ(buildPathBeside(exe.c_str(), reportBaseName(u"unit42", now).c_str(), ".json", &path),
              LogPathResult::ok);
    EXPECT_EQ(narrow(path.c_str()), "D:\\bench\\unit42_report.json");
    EXPECT_EQ(buildPathBeside(exe.c_str(), reportBaseName(u"", now).c_str(), ".html", &path),
              LogPathResult::ok);
    EXPECT_EQ(narrow(path.c_str()), "D:\\bench\\report_2026-12-08_150309.html");
}

TEST(LogPath, ExecutableWithoutFolderStartsNoLog) {
    LogPath path;
    path.assignAscii("kept");
    EXPECT_EQ(buildLogPath(units("skyvane.exe").c_str(), units("a").c_str(), &path),
              LogPathResult::noFolder);
    EXPECT_EQ(narrow(path.c_str()), "kept");
}

TEST(LogPath, LongestPathFitsAndOneMoreIsRefused) {
    // Folder "C:\" + 247 characters gives 250 units up to the backslash
    // included; a name of 1 plus "_log.txt" makes exactly 259.
    const std::u16string exe = units("C:\\" + std::string(246, 'f') + "\\skyvane.exe");
    LogPath path;
    EXPECT_EQ(buildLogPath(exe.c_str(), units("a").c_str(), &path), LogPathResult::ok);
    EXPECT_EQ(path.length(), 259u);
    EXPECT_EQ(narrow(path.c_str()).substr(250), "a_log.txt");
    EXPECT_EQ(buildLogPath(exe.c_str(), units("ab").c_str(), &path), LogPathResult::tooLong);
    const std::u16string longName = units(std::string(255, 'n'));
    EXPECT_EQ(buildLogPath(units("C:\\x.exe").c_str(), longName.c_str(), &path),
              LogPathResult::tooLong);
}

}  // namespace
