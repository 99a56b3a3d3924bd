#include "serial/byte_ring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

std::vector<std::uint8_t> sequence(std::size_t n, std::uint8_t first) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(ByteRing, NewRingIsEmptyAndAcceptsExactlyItsCapacity) {
    ByteRing ring;
    ring.init(1024);
    EXPECT_EQ(ring.count(), 0u);
    EXPECT_EQ(ring.space(), 1024u);
    for (int i = 0; i < 1024; ++i) {
        const std::uint8_t byte = static_cast<std::uint8_t>(i);
        ASSERT_TRUE(ring.push(&byte, 1)) << i;
    }
    const std::uint8_t extra = 0xEE;
    EXPECT_FALSE(ring.push(&extra, 1));
    EXPECT_EQ(ring.count(), 1024u);
    std::vector<std::uint8_t> out(1024);
    ASSERT_TRUE(ring.pop(out.data(), 1024));
    for (int i = 0; i < 1024; ++i) {
        EXPECT_EQ(out[i], static_cast<std::uint8_t>(i));
    }
}

// A byte pushed on its own lands where a one-byte push puts it, wrapping at
// the end, and a full ring refuses it.
TEST(ByteRing, SingleBytesFollowTheSameRulesAsPushes) {
    ByteRing byBytes, byPushes;
    byBytes.init(5);
    byPushes.init(5);
    std::uint8_t out[5];
    for (int round = 0; round < 4; ++round) {
        for (std::uint8_t value = 0; value < 6; ++value) {
            const std::uint8_t byte = static_cast<std::uint8_t>(round * 10 + value);
            EXPECT_EQ(byBytes.pushByte(byte), byPushes.push(&byte, 1)) << round << ' ' << +value;
            EXPECT_EQ(byBytes.count(), byPushes.count());
        }
        ASSERT_EQ(byBytes.count(), 5u);
        ASSERT_TRUE(byBytes.pop(out, 3));  // the next round starts mid-buffer
        std::uint8_t expected[3];
        ASSERT_TRUE(byPushes.pop(expected, 3));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(out[i], expected[i]) << round << ' ' << i;
        }
    }
    ByteRing none;
    none.init(0);
    EXPECT_FALSE(none.pushByte(1));
}

TEST(ByteRing, AppendsAreAllOrNothing) {
    ByteRing ring;
    ring.init(8);
    const auto six = sequence(6, 1);
    ASSERT_TRUE(ring.push(six.data(), 6));
    const auto three = sequence(3, 50);
    EXPECT_FALSE(ring.push(three.data(), 3));
    EXPECT_EQ(ring.count(), 6u);
    ASSERT_TRUE(ring.push(three.data(), 2));  // exactly the free space
    EXPECT_EQ(ring.space(), 0u);

    ByteRing empty;
    empty.init(8);
    const auto nine = sequence(9, 0);
    EXPECT_FALSE(empty.push(nine.data(), 9));
    EXPECT_EQ(empty.count(), 0u);
}

TEST(ByteRing, WrapsAroundTheEndInOrder) {
    ByteRing ring;
    ring.init(8);
    const auto first = sequence(8, 0);
    ASSERT_TRUE(ring.push(first.data(), 8));  // ends exactly at the buffer's end
    std::uint8_t out[8];
    ASSERT_TRUE(ring.pop(out, 5));
    const auto second = sequence(5, 100);  // lands at the buffer's start
    ASSERT_TRUE(ring.push(second.data(), 5));
    ASSERT_EQ(ring.count(), 8u);
    ASSERT_TRUE(ring.pop(out, 8));
    const std::uint8_t expected[8] = {5, 6, 7, 100, 101, 102, 103, 104};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(out[i], expected[i]) << i;
    }
    EXPECT_EQ(ring.count(), 0u);
}

TEST(ByteRing, RefusedTakeOutsChangeNothing) {
    ByteRing ring;
    ring.init(16);
    const auto bytes = sequence(4, 7);
    ASSERT_TRUE(ring.push(bytes.data(), 4));
    std::uint8_t out[8] = {};
    EXPECT_FALSE(ring.pop(out, 5));
    EXPECT_FALSE(ring.peek(out, 5));
    ring.skip(5);
    EXPECT_EQ(ring.count(), 4u);
    ASSERT_TRUE(ring.pop(out, 4));
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[3], 10);
}

TEST(ByteRing, PeekThenPopYieldTheSameBytesAcrossTheWrap) {
    ByteRing ring;
    ring.init(8);
    const auto filler = sequence(6, 0);
    ASSERT_TRUE(ring.push(filler.data(), 6));
    ring.skip(6);  // head and tail now near the end
    const auto bytes = sequence(7, 40);
    ASSERT_TRUE(ring.push(bytes.data(), 7));
    std::uint8_t peeked[7], popped[7];
    ASSERT_TRUE(ring.peek(peeked, 7));
    EXPECT_EQ(ring.count(), 7u);
    ASSERT_TRUE(ring.pop(popped, 7));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(peeked[i], bytes[i]);
        EXPECT_EQ(popped[i], bytes[i]);
    }
}

TEST(ByteRing, SkipWrapsItsIndexAndClearEmpties) {
    ByteRing ring;
    ring.init(4);
    const auto bytes = sequence(4, 1);
    ASSERT_TRUE(ring.push(bytes.data(), 4));
    ring.skip(4);
    EXPECT_EQ(ring.count(), 0u);
    ASSERT_TRUE(ring.push(bytes.data(), 3));
    ring.clear();
    EXPECT_EQ(ring.count(), 0u);
    EXPECT_EQ(ring.space(), 4u);
    ASSERT_TRUE(ring.push(bytes.data(), 4));
    std::uint8_t out[4];
    ASSERT_TRUE(ring.pop(out, 4));
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[3], 4);
}

}  // namespace

namespace {

TEST(ByteRing, ZeroByteOperationsNeedNoBuffer) {
    ByteRing ring;
    ring.init(4);
    EXPECT_TRUE(ring.push(nullptr, 0));
    EXPECT_TRUE(ring.pop(nullptr, 0));
    EXPECT_TRUE(ring.peek(nullptr, 0));
    EXPECT_EQ(ring.count(), 0u);
}

}  // namespace
