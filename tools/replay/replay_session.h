#pragma once
// The sentence pipeline as a replay runs it: the reader's byte filter, the
// byte ring, the intake, a headless host and a virtual clock.

#include <cstddef>
#include <cstdint>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "serial/byte_filter.h"
#include "serial/byte_ring.h"

class ReplaySession {
public:
    static constexpr std::uint32_t ringCapacity = lineRingCapacity;

    // Starts as a connection start does: state cleared, first fix reset,
    // title "Skyvane". `lineMs` virtual milliseconds pass before each line.
    explicit ReplaySession(std::uint32_t lineMs);

    // Back to the state of a new session with the same line time, without
    // allocating: ring, intake, receiver state, host and clock. The host's
    // UTC offset and log go too.
    void reset();

    // Feeds received bytes; calls onLine() after every line the intake handled.
    template <typename OnLine>
    void feed(const std::uint8_t* bytes, std::size_t count, OnLine&& onLine) {
        while (count > 0) {
            const FilteredBytes filtered = filterReceivedBytes(ring, bytes, count);
            bytes += filtered.consumed;
            count -= filtered.consumed;
            if (filtered.lineEnd) {
                handleLine();
                onLine();
            }
        }
    }

    std::uint64_t lineCount() const { return lines; }
    std::uint32_t lastTick() const { return tick; }

    ReceiverState state;
    HeadlessHost host;
    SentenceIntake intake{state, host};

private:
    void handleLine();

    ByteRing ring;
    std::uint32_t lineMs;
    std::uint32_t tick = HeadlessHost::clockStart;
    std::uint64_t lines = 0;
};
