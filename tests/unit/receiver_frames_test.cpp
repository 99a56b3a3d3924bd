#include "commands/receiver_frames.h"

#include <gtest/gtest.h>

namespace {

// UBX: sync B5 62, class, id, little-endian payload length, payload, then the
// two running sums over class to payload.
void expectUbxFrame(const ByteFrame& frame, std::uint8_t cls, std::uint8_t id) {
    ASSERT_GE(frame.count, 8u);
    const std::uint8_t* b = frame.bytes;
    EXPECT_EQ(b[0], 0xB5);
    EXPECT_EQ(b[1], 0x62);
    EXPECT_EQ(b[2], cls);
    EXPECT_EQ(b[3], id);
    const std::size_t payload = b[4] | (b[5] << 8);
    ASSERT_EQ(frame.count, 8 + payload);
    std::uint8_t a = 0, c = 0;
    for (std::size_t i = 2; i < 6 + payload; ++i) {
        a = static_cast<std::uint8_t>(a + b[i]);
        c = static_cast<std::uint8_t>(c + a);
    }
    EXPECT_EQ(b[6 + payload], a);
    EXPECT_EQ(b[7 + payload], c);
}

TEST(ReceiverFrames, UbxFramesCarryTheirOwnLengthAndChecksum) {
    expectUbxFrame(monVerPoll, 0x0A, 0x04);
    EXPECT_EQ(monVerPoll.count, 8u);
    expectUbxFrame(cfgRstFrame, 0x06, 0x04);
    ASSERT_EQ(cfgRstFrame.count, 12u);
    // Clear mask 0xB9FF, then reset mode 2.
    EXPECT_EQ(cfgRstFrame.bytes[6], 0xFF);
    EXPECT_EQ(cfgRstFrame.bytes[7], 0xB9);
    EXPECT_EQ(cfgRstFrame.bytes[8], 0x02);
}

// A0 A2, big-endian payload length, payload, big-endian 15-bit sum, B0 B3.
TEST(ReceiverFrames, ResetFrameA0A2IsFramedAndSummed) {
    const ByteFrame& frame = resetFrameA0A2;
    ASSERT_EQ(frame.count, 33u);
    const std::uint8_t* b = frame.bytes;
    EXPECT_EQ(b[0], 0xA0);
    EXPECT_EQ(b[1], 0xA2);
    const std::size_t payload = (b[2] << 8) | b[3];
    ASSERT_EQ(frame.count, 8 + payload);
    unsigned sum = 0;
    int nonZero = 0;
    for (std::size_t i = 4; i < 4 + payload; ++i) {
        sum += b[i];
        nonZero += b[i] != 0;
    }
    EXPECT_EQ(nonZero, 3);
    EXPECT_EQ(b[4], 0x80);
    EXPECT_EQ(((b[4 + payload] << 8) | b[5 + payload]), static_cast<int>(sum & 0x7FFF));
    EXPECT_EQ(b[6 + payload], 0xB0);
    EXPECT_EQ(b[7 + payload], 0xB3);
}

}  // namespace
