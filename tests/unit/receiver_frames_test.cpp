#include "commands/receiver_frames.h"

#include <gtest/gtest.h>

namespace {

// Sync B5 62, class, id, little-endian payload length, payload, then the two
// running sums over class to payload.
void expectUbx(const ByteFrame& frame, std::size_t count, std::uint8_t cls, std::uint8_t id) {
    const std::uint8_t* b = frame.bytes;
    ASSERT_EQ(frame.count, count);
    EXPECT_EQ((b[0] << 8) | b[1], 0xB562);
    EXPECT_EQ((b[2] << 8) | b[3], (cls << 8) | id);
    EXPECT_EQ(8u + (b[4] | (b[5] << 8)), count);
    std::uint8_t a = 0, c = 0;
    for (std::size_t i = 2; i < count - 2; ++i) {
        c = static_cast<std::uint8_t>(c + (a = static_cast<std::uint8_t>(a + b[i])));
    }
    EXPECT_EQ((b[count - 2] << 8) | b[count - 1], (a << 8) | c);
}

TEST(ReceiverFrames, EachFrameCarriesItsLengthAndChecksum) {
    expectUbx(monVerPoll, 8, 0x0A, 0x04);
    expectUbx(cfgRstFrame, 12, 0x06, 0x04);
    EXPECT_EQ((cfgRstFrame.bytes[7] << 8) | cfgRstFrame.bytes[6], 0xB9FF);  // clear mask
    EXPECT_EQ(cfgRstFrame.bytes[8], 0x02);                                  // reset mode

    // A0 A2, big-endian payload length, payload 0x80 ... 0x0C 0x39, big-endian
    // sum of the payload, B0 B3.
    const std::uint8_t* b = resetFrameA0A2.bytes;
    ASSERT_EQ(resetFrameA0A2.count, 33u);
    EXPECT_EQ((b[0] << 8) | b[1], 0xA0A2);
    EXPECT_EQ((b[2] << 8) | b[3], 25);
    unsigned sum = 0;
    for (int i = 4; i < 29; ++i) {
        sum += b[i];
    }
    EXPECT_EQ(sum, 0x80u + 0x0C + 0x39);
    EXPECT_EQ(b[28], 0x39);
    EXPECT_EQ(static_cast<unsigned>((b[29] << 8) | b[30]), sum);
    EXPECT_EQ((b[31] << 8) | b[32], 0xB0B3);
}

}  // namespace
