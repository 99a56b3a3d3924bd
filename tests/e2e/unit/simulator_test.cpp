#include "simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "recording_source.h"

namespace {

const std::string recording = "$GPRMC,1*00\r\n$GPGSA,2*00\r\n$GPGSV,3*00\r\n";

// A simulator on a real pseudo-terminal in a temporary folder, driven step by step; the
// test plays the program on the slave side.
class SimulatorOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/sim-test-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        tempFolder = folder;
        linkPath = tempFolder + "/com20";
        receivedPath = tempFolder + "/received.jsonl";
        answerStream = open_memstream(&answerText, &answerSize);
        ASSERT_TRUE(receivedLog.open(receivedPath.c_str()));
    }

    void TearDown() override {
        simulator.reset();
        closeSlave();
        std::fclose(answerStream);
        free(answerText);
        ::unlink(receivedPath.c_str());
        ::rmdir(tempFolder.c_str());
    }

    void startSimulator(PaceKind pace, std::int64_t openDelayMs, bool loop = false) {
        options.linkPath = linkPath.c_str();
        options.pace = pace;
        options.linesPerSecond = 1000;
        options.openDelayMs = openDelayMs;
        options.loop = loop;
        auto source = std::make_unique<RecordingSource>(
            std::vector<std::uint8_t>(recording.begin(), recording.end()));
        simulator = std::make_unique<Simulator>(options, std::move(source),
                                                std::make_unique<SilentReceiver>(), -1,
                                                answerStream, &receivedLog, nullptr);
        ASSERT_TRUE(simulator->start());
    }

    void openSlave() {
        slave = ::open(linkPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(slave, 0) << std::strerror(errno);
    }

    void closeSlave() {
        if (slave >= 0) {
            ::close(slave);
            slave = -1;
        }
    }

    // Steps the simulator and collects what reaches the slave for about `ms`.
    std::string runFor(int ms) {
        std::string got;
        for (int i = 0; i < ms / 5; ++i) {
            simulator->step(5);
            char bytes[4096];
            const ssize_t n = slave >= 0 ? ::read(slave, bytes, sizeof bytes) : -1;
            if (n > 0) {
                got.append(bytes, static_cast<std::size_t>(n));
            }
        }
        return got;
    }

    // Steps until the slave has received at least `count` bytes, for at most 5 s.
    std::string runUntilReceived(std::size_t count) {
        std::string got;
        const Micros deadline = monotonicMicros() + 5'000'000;
        while (got.size() < count && monotonicMicros() < deadline) {
            got += runFor(5);
        }
        return got;
    }

    std::string answers() {
        std::fflush(answerStream);
        return std::string(answerText, answerSize);
    }

    std::string tempFolder, linkPath, receivedPath;
    SimOptions options;
    ReceivedLog receivedLog;
    std::FILE* answerStream = nullptr;
    char* answerText = nullptr;
    std::size_t answerSize = 0;
    std::unique_ptr<Simulator> simulator;
    int slave = -1;
};

TEST_F(SimulatorOnPty, PublishesTheSlaveUnderTheLinkAndAnnouncesIt) {
    startSimulator(PaceKind::unlimited, 0);
    char target[256] = {};
    ASSERT_GT(::readlink(linkPath.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target).rfind("/dev/pts/", 0), 0u) << target;
    EXPECT_NE(answers().find("\"ready\":true"), std::string::npos);
    EXPECT_NE(answers().find(target), std::string::npos);
}

TEST_F(SimulatorOnPty, HoldsTheStreamUntilThePortHasBeenOpenForTheDelay) {
    startSimulator(PaceKind::unlimited, 1000);
    EXPECT_EQ(runFor(50), "");  // nobody listens yet
    openSlave();
    const Micros openedAt = monotonicMicros();
    EXPECT_EQ(runFor(100), "");  // well inside the delay after the open
    EXPECT_EQ(runUntilReceived(recording.size()), recording);
    EXPECT_GE(monotonicMicros() - openedAt, 1'000'000);
    simulator->handleCommand("stats");
    EXPECT_NE(answers().find("\"lines\":3,\"bytes\":39"), std::string::npos) << answers();
    EXPECT_NE(answers().find("\"finished\":true"), std::string::npos);
}

TEST_F(SimulatorOnPty, RecordsWhatTheProgramWritesWithItsTime) {
    startSimulator(PaceKind::unlimited, 0);
    openSlave();
    runUntilReceived(recording.size());
    ASSERT_EQ(::write(slave, "$PMTK605*31\r\n", 13), 13);
    const Micros deadline = monotonicMicros() + 5'000'000;
    struct stat info {};
    while ((::stat(receivedPath.c_str(), &info) != 0 || info.st_size == 0) &&
           monotonicMicros() < deadline) {
        runFor(5);
    }
    std::FILE* file = std::fopen(receivedPath.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    std::fclose(file);
    EXPECT_NE(std::string(line).find("\"hex\":\"24504d544b3630352a33310d0a\""), std::string::npos)
        << line;
    simulator->handleCommand("stats");
    EXPECT_NE(answers().find("\"received\":13"), std::string::npos);
}

TEST_F(SimulatorOnPty, VanishRemovesThePortAndReturnBringsANewOne) {
    startSimulator(PaceKind::lines, 0, true);
    openSlave();
    EXPECT_FALSE(runUntilReceived(1).empty());
    simulator->handleCommand("vanish");
    struct stat info {};
    EXPECT_NE(::lstat(linkPath.c_str(), &info), 0);  // the name is gone
    char byte = 0;
    runFor(10);
    EXPECT_LE(::read(slave, &byte, 1), 0);  // the old port is dead, not blocking
    closeSlave();
    simulator->handleCommand("vanish");
    EXPECT_NE(answers().find("already gone"), std::string::npos);

    simulator->handleCommand("return");
    EXPECT_NE(answers().find("\"command\":\"return\""), std::string::npos);
    openSlave();
    const std::string after = runUntilReceived(1);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after[0], '$');  // the stream resumes at a line start
}

TEST_F(SimulatorOnPty, PauseStopsTheStreamAndResumeGoesOn) {
    startSimulator(PaceKind::lines, 0, true);
    openSlave();
    runUntilReceived(1);
    simulator->handleCommand("pause");
    runFor(20);  // lets bytes already written arrive
    EXPECT_EQ(runFor(50), "");
    simulator->handleCommand("resume");
    EXPECT_FALSE(runUntilReceived(1).empty());
}

TEST_F(SimulatorOnPty, SendQueuesALineAndUnknownCommandsAreRefused) {
    startSimulator(PaceKind::unlimited, 0);
    openSlave();
    EXPECT_EQ(runUntilReceived(recording.size()), recording);
    simulator->handleCommand("send $PSRF,VERSION,1*00");
    EXPECT_EQ(runUntilReceived(20), "$PSRF,VERSION,1*00\r\n");
    simulator->handleCommand("send WAAS Enable");  // every word, blanks as typed
    simulator->handleCommand("send $PXXX,WAAS  Disable*00");
    EXPECT_EQ(runUntilReceived(41), "WAAS Enable\r\n$PXXX,WAAS  Disable*00\r\n");
    simulator->handleCommand("dance");
    EXPECT_NE(answers().find(R"({"ok":false,"command":"dance","error":"unknown command"})"),
              std::string::npos);
    EXPECT_FALSE(simulator->quitRequested());
    simulator->handleCommand("quit");
    EXPECT_TRUE(simulator->quitRequested());
}

TEST_F(SimulatorOnPty, AProgramThatNeverReadsCannotBlockTheSimulator) {
    startSimulator(PaceKind::unlimited, 0, true);
    openSlave();  // opened, never read
    for (int i = 0; i < 200; ++i) {
        simulator->step(1);
    }
    simulator->handleCommand("stats");
    EXPECT_NE(answers().find("\"blocked\":true"), std::string::npos) << answers();
    closeSlave();
    runFor(50);  // the reader went away: the simulator notices and goes on
    simulator->handleCommand("stats");
    const std::string all = answers();
    EXPECT_NE(all.find("\"port_open\":false", all.rfind("\"command\":\"stats\"")),
              std::string::npos);
}

}  // namespace
