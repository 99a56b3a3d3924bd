#include "serial/port_label.h"

#include <gtest/gtest.h>

#include <string>

#include "test_text.h"

namespace {

struct LabelCase {
    const char* label;
    int opened;
    const char* path;  // what portPath holds afterwards
};

TEST(PortLabel, DevicePathFromListEntry) {
    const LabelCase cases[] = {
        {"USB Serial Port (COM7)", 1, "\\\\.\\COM7"},
        {"USB Serial Port (COM12)", 1, "\\\\.\\COM12"},
        {"Serial Port (COM9)  GPS Receiver", 1, "\\\\.\\COM9"},
        {"COM1", 1, "\\\\.\\COM1"},
        // Only the first "(COM" counts, up to the first ')' after it.
        {"A (COM3) B (COM4)", 1, "\\\\.\\COM3"},
        // No closing bracket: refused, the previous path stays.
        {"Broken (COM5", 0, "previous"},
        {"(COM", 0, "previous"},
    };
    for (const LabelCase& c : cases) {
        PortPath path;
        path.assignAscii("previous");
        const std::u16string label = units(c.label);
        EXPECT_EQ(portPathFromLabel(label.c_str(), &path), c.opened) << c.label;
        EXPECT_EQ(narrow(path.c_str()), c.path) << c.label;
    }
}

TEST(PortLabel, PathThatWouldNotFitIsRefused) {
    PortPath path;
    path.assignAscii("previous");
    const std::u16string fits = units(std::string(123, 'C'));  // 4 + 123 = 127 units
    EXPECT_EQ(portPathFromLabel(fits.c_str(), &path), 1);
    EXPECT_EQ(path.length(), 127u);
    const std::u16string tooLong = units(std::string(124, 'C'));
    EXPECT_EQ(portPathFromLabel(tooLong.c_str(), &path), 0);
    EXPECT_EQ(path.length(), 127u);
    const std::u16string longInside = units("X (COM" + std::string(121, '1') + ")");
    EXPECT_EQ(portPathFromLabel(longInside.c_str(), &path), 0);
    EXPECT_EQ(path.length(), 127u);
}

TEST(PortLabel, ReplayPathIsKeptWholeOrRefused) {
    struct ReplayCase {
        std::string file;
        int kept;
    };
    const ReplayCase cases[] = {
        // A recording's name is not a port label: nothing in it is cut or prefixed.
        {"C:\\bench\\Serial Port (COM3)_log.txt", 1},
        {"C:\\" + std::string(124, 'x'), 1},  // 127 characters
        {"C:\\" + std::string(125, 'x'), 0},  // 128: a cut path would open another file
        {"C:\\" + std::string(400, 'x'), 0},
    };
    for (const ReplayCase& c : cases) {
        PortPath path;
        path.assignAscii("previous");
        const std::u16string file = units(c.file);
        EXPECT_EQ(replayPathFromFile(file.c_str(), &path), c.kept) << c.file.size();
        EXPECT_EQ(narrow(path.c_str()), c.kept ? c.file : "previous") << c.file.size();
    }
}

TEST(PortLabel, ToggleCutsAtFirstColonAndRecognisesReplay) {
    std::u16string entry = units("Log File:");
    cutAtFirstColon(entry.data());
    EXPECT_TRUE(isReplayLabel(entry.c_str()));
    std::u16string withColons = units("Port: (COM2): x");
    cutAtFirstColon(withColons.data());
    EXPECT_EQ(narrow(withColons.c_str()), "Port");
    std::u16string plain = units("USB Serial Port (COM7)");
    cutAtFirstColon(plain.data());
    EXPECT_EQ(narrow(plain.c_str()), "USB Serial Port (COM7)");
    EXPECT_FALSE(isReplayLabel(units("Log File:").c_str()));
    EXPECT_FALSE(isReplayLabel(units("log file").c_str()));
}

}  // namespace
