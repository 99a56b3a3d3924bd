#include "transmitter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "recording_source.h"
#include "transmitter_control.h"

namespace {

// An output that takes at most `room` bytes until it is drained.
class FakeOutput final : public ByteOutput {
public:
    std::string taken;
    std::size_t room = SIZE_MAX;
    ssize_t write(const std::uint8_t* bytes, std::size_t count) override {
        if (room == 0) {
            errno = EAGAIN;
            return -1;
        }
        const std::size_t n = count < room ? count : room;
        taken.append(reinterpret_cast<const char*>(bytes), n);
        room -= n;
        return static_cast<ssize_t>(n);
    }
};

std::unique_ptr<LineSource> recording(const std::string& text) {
    return std::make_unique<RecordingSource>(std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(Transmitter, SendsTheWholeSourceAndCountsLinesAndBytes) {
    Transmitter transmitter(recording("$A\r\n$B\r\n$C\r\n"), makeUnlimitedPacer(), false, nullptr);
    FakeOutput output;
    transmitter.restart(0);
    EXPECT_EQ(transmitter.pump(0, &output), never);
    EXPECT_EQ(output.taken, "$A\r\n$B\r\n$C\r\n");
    EXPECT_EQ(transmitter.counters().lines, 3);
    EXPECT_EQ(transmitter.counters().bytes, 12);
    EXPECT_TRUE(transmitter.finished());
}

TEST(Transmitter, LoopsBackToTheFirstLine) {
    Transmitter transmitter(recording("$A\r\n$B\r\n"), makeLinePacer(1000), true, nullptr);
    FakeOutput output;
    transmitter.restart(0);
    for (Micros now = 0; now <= 5000; now += 1000) {
        transmitter.pump(now, &output);
    }
    EXPECT_EQ(output.taken, "$A\r\n$B\r\n$A\r\n$B\r\n$A\r\n");
    EXPECT_FALSE(transmitter.finished());
}

TEST(Transmitter, AFullOutputBlocksWithoutLosingOrRepeatingBytes) {
    Transmitter transmitter(recording("$ABCDEF\r\n$GH\r\n"), makeUnlimitedPacer(), false, nullptr);
    FakeOutput output;
    output.room = 5;
    transmitter.restart(0);
    EXPECT_EQ(transmitter.pump(0, &output), never);
    EXPECT_TRUE(transmitter.blocked());
    EXPECT_EQ(output.taken, "$ABCD");
    EXPECT_EQ(transmitter.counters().lines, 0);
    output.room = SIZE_MAX;
    transmitter.pump(1, &output);
    EXPECT_FALSE(transmitter.blocked());
    EXPECT_EQ(output.taken, "$ABCDEF\r\n$GH\r\n");
    EXPECT_EQ(transmitter.counters().lines, 2);
}

TEST(Transmitter, RepliesGoBetweenLinesNeverInsideOne) {
    Transmitter transmitter(recording("$ABCDEF\r\n$GH\r\n"), makeUnlimitedPacer(), false, nullptr);
    FakeOutput output;
    output.room = 3;
    transmitter.restart(0);
    transmitter.pump(0, &output);  // "$AB" of the first line is out
    const std::string reply = "$REPLY*00\r\n";
    ASSERT_TRUE(transmitter.replies().queueReply(
        reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()));
    output.room = SIZE_MAX;
    transmitter.pump(1, &output);
    EXPECT_EQ(output.taken, "$ABCDEF\r\n$REPLY*00\r\n$GH\r\n");
    EXPECT_EQ(transmitter.counters().replyBytes, static_cast<std::int64_t>(reply.size()));
    EXPECT_EQ(transmitter.counters().lines, 2);
}

TEST(Transmitter, AReplyQueuedWhileALineWaitsForItsTurnGoesAfterThatLine) {
    Transmitter transmitter(recording("$A\r\n$B\r\n$C\r\n"), makeLinePacer(1000), false, nullptr);
    FakeOutput output;
    transmitter.restart(0);
    transmitter.pump(1000, &output);
    transmitter.pump(1500, &output);  // $B is taken from the source and waits for credit
    EXPECT_EQ(output.taken, "$A\r\n");
    const std::string reply = "$R*00\r\n";
    transmitter.replies().queueReply(reinterpret_cast<const std::uint8_t*>(reply.data()),
                                     reply.size());
    for (Micros now = 2000; now <= 5000; now += 1000) {
        transmitter.pump(now, &output);
    }
    EXPECT_EQ(output.taken, "$A\r\n$B\r\n$R*00\r\n$C\r\n");
}

TEST(Transmitter, AReplyAfterTheEndIsStillSent) {
    Transmitter transmitter(recording("$A\r\n"), makeUnlimitedPacer(), false, nullptr);
    FakeOutput output;
    transmitter.restart(0);
    transmitter.pump(0, &output);
    EXPECT_TRUE(transmitter.finished());
    const std::uint8_t reply[] = {0xB5, 0x62, 0x05, 0x01};
    transmitter.replies().queueReply(reply, sizeof reply);
    transmitter.pump(1, &output);
    EXPECT_EQ(output.taken, std::string("$A\r\n\xB5\x62\x05\x01", 8));
    EXPECT_TRUE(transmitter.finished());
}

TEST(Transmitter, WithoutAListenerBytesArePacedAndDiscarded) {
    Transmitter transmitter(recording("$A\r\n$B\r\n"), makeLinePacer(1000), false, nullptr);
    transmitter.restart(0);
    transmitter.pump(1000, nullptr);
    EXPECT_EQ(transmitter.counters().discarded, 4);
    EXPECT_EQ(transmitter.counters().bytes, 0);
    EXPECT_EQ(transmitter.counters().lines, 0);
    FakeOutput output;
    transmitter.pump(2000, &output);
    EXPECT_EQ(output.taken, "$B\r\n");
}

TEST(Transmitter, AnAbandonedLineIsNotFinishedLater) {
    Transmitter transmitter(recording("$ABCDEF\r\n$GH\r\n"), makeUnlimitedPacer(), false, nullptr);
    FakeOutput output;
    output.room = 4;
    transmitter.restart(0);
    transmitter.pump(0, &output);
    transmitter.abandonChunk();
    output.room = SIZE_MAX;
    transmitter.pump(1, &output);
    EXPECT_EQ(output.taken, "$ABC$GH\r\n");
    EXPECT_EQ(transmitter.counters().lines, 1);
}

TEST(Transmitter, PacedByBaudItWaitsForCredit) {
    Transmitter transmitter(recording(std::string(1000, 'x') + "\n"), makeBaudPacer(9600), false,
                            nullptr);
    FakeOutput output;
    transmitter.restart(0);
    const Micros next = transmitter.pump(0, &output);
    EXPECT_TRUE(output.taken.empty());
    EXPECT_GT(next, 0);
    EXPECT_LE(next, 1100);  // one byte at 960 bytes per second
    transmitter.pump(100'000, &output);
    EXPECT_EQ(output.taken.size(), 2u);  // credit is capped: no catch-up after a wait
}

TEST(Transmitter, WritesEverySentByteToTheSentLog) {
    char path[] = "/tmp/sent-log-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        SentLog log;
        ASSERT_TRUE(log.open(path));
        Transmitter transmitter(recording("$A\r\n$B\r\n"), makeUnlimitedPacer(), false, &log);
        FakeOutput output;
        output.room = 6;
        transmitter.restart(0);
        transmitter.pump(0, &output);
    }
    std::FILE* file = std::fopen(path, "rb");
    char text[16] = {};
    const std::size_t got = std::fread(text, 1, sizeof text, file);
    std::fclose(file);
    std::remove(path);
    EXPECT_EQ(std::string(text, got), "$A\r\n$B");
}

// Without a planned time to first fix, a start sends the stream back to its beginning.
TEST(TransmitterControl, AColdStartSendsTheStreamBackToItsFirstLineAfterTheCurrentOne) {
    Transmitter transmitter(recording("$A\r\n$BB\r\n$C\r\n"), makeLinePacer(1000), false, nullptr);
    Micros now = 0;
    TransmitterControl control(transmitter, 0, StartOptions(), [&now] { return now; });
    FakeOutput output;
    transmitter.restart(0);
    transmitter.pump(1000, &output);
    output.room = 2;
    transmitter.pump(now = 2000, &output);  // "$B" of the second line is out
    control.start(StartKind::cold);
    output.room = SIZE_MAX;
    for (Micros at = 3000; at <= 6000; at += 1000) {
        transmitter.pump(at, &output);
    }
    EXPECT_EQ(output.taken, "$A\r\n$BB\r\n$A\r\n$BB\r\n$C\r\n");
    EXPECT_TRUE(transmitter.finished());
    now = 6500;
    control.start(StartKind::factory);  // a finished stream starts again too
    const std::size_t before = output.taken.size();
    transmitter.pump(7000, &output);
    EXPECT_FALSE(transmitter.finished());
    EXPECT_EQ(output.taken.substr(before, 4), "$A\r\n");
    EXPECT_EQ(control.starts().coldStarts(), 2);
    ASSERT_EQ(control.starts().starts().size(), 2u);
    EXPECT_EQ(control.starts().starts()[1].kind, StartKind::factory);
    EXPECT_EQ(control.starts().starts()[1].fix, FixAfterStart::stream);
    EXPECT_EQ(control.rateSwitches(), 0);
}

TEST(TransmitterControl, ARateSwitchRepacesTheStream) {
    Transmitter transmitter(recording(std::string(4000, 'x') + "\n"), makeBaudPacer(9600), false,
                            nullptr);
    TransmitterControl control(transmitter, 9600);
    FakeOutput output;
    transmitter.restart(0);
    for (Micros now = 0; now <= 100'000; now += 1000) {
        transmitter.pump(now, &output);
    }
    const std::size_t atSlowRate = output.taken.size();
    EXPECT_GE(atSlowRate, 90u);  // 960 bytes a second
    EXPECT_LE(atSlowRate, 100u);
    control.switchBaud(115200);
    for (Micros now = 101'000; now <= 200'000; now += 1000) {
        transmitter.pump(now, &output);
    }
    const std::size_t atFastRate = output.taken.size() - atSlowRate;
    EXPECT_GE(atFastRate, 1100u);  // 11520 bytes a second
    EXPECT_LE(atFastRate, 1200u);
    EXPECT_EQ(control.baud(), 115200);
    EXPECT_EQ(control.rateSwitches(), 1);
}

}  // namespace
