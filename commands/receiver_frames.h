#pragma once
// The binary frames the commands send as they are, byte for byte.

#include <cstddef>
#include <cstdint>

struct ByteFrame {
    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
};

// UBX MON-VER poll: asks a UBX receiver for its versions.
extern const ByteFrame monVerPoll;
// UBX CFG-RST: clears the stored navigation data and restarts (cold start).
extern const ByteFrame cfgRstFrame;
// The 0xA0 0xA2 framed reset of the factory reset.
extern const ByteFrame resetFrameA0A2;
