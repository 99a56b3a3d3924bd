#pragma once
// Where the transmitter's bytes go: the pseudo-terminal, or a stand-in in the tests.

#include <sys/types.h>
#include <cstddef>
#include <cstdint>

class ByteOutput {
public:
    virtual ~ByteOutput() = default;
    // Like write(2) on a non-blocking descriptor: -1 with errno EAGAIN when full.
    virtual ssize_t write(const std::uint8_t* bytes, std::size_t count) = 0;
};
