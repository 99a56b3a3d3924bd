#pragma once
// The sentence pipeline as a replay runs it, the program's path of a line:
// the reader's byte filter into its ring, the line batch, the intake, with a
// headless host and a virtual clock in place of the windows.

#include <cstddef>
#include <cstdint>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "serial/byte_ring.h"
#include "serial/line_batch.h"

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

    // Feeds received bytes as one read of the reader; calls onLine() after
    // every line the intake handled.
    template <typename OnLine>
    void feed(const std::uint8_t* bytes, std::size_t count, OnLine&& onLine) {
        gatherLines(ring, batch, bytes, count, [&](LineBatch& handed) {
            LineBytes line;
            while (handed.nextLine(&line)) {
                handleLine(line);
                onLine();
            }
            handed.clear();
            return true;
        });
    }

    std::uint64_t lineCount() const { return lines; }
    std::uint32_t lastTick() const { return tick; }

    ReceiverState state;
    HeadlessHost host;
    SentenceIntake intake{state, host};

private:
    void handleLine(const LineBytes& line);

    ByteRing ring;
    LineBatch batch;
    std::uint32_t lineMs;
    std::uint32_t tick = HeadlessHost::clockStart;
    std::uint64_t lines = 0;
};
