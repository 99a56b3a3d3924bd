#pragma once
// How fast the simulated receiver may talk. A pacer hands out credit as time passes and
// caps what can pile up, so after a stall (a reader that stopped reading, a pause) the
// stream resumes at its pace instead of catching up in one burst: a UART never sends
// faster than its baud rate.

#include <cstddef>
#include <memory>

#include "clock.h"

class Pacer {
public:
    virtual ~Pacer() = default;
    // Bytes that may go now from a chunk with `remaining` bytes left; atLineStart tells
    // whether none of the chunk has gone yet.
    virtual std::size_t allowance(Micros now, std::size_t remaining, bool atLineStart) = 0;
    virtual void spend(std::size_t bytes, bool atLineStart) = 0;
    // The earliest time at which waking up is worth it.
    virtual Micros nextChance(Micros now) const = 0;
    // Forgets earned credit: streaming (re)starts now.
    virtual void restart(Micros now) = 0;
    // The next line of the source is about to go.
    virtual void lineAhead(bool /*startsEpoch*/) {}
};

// Bytes at baud / 10 per second (start bit, 8 data bits, stop bit), released in
// millisecond quanta so that the stream is smooth rather than bursty.
std::unique_ptr<Pacer> makeBaudPacer(long baud);

// Whole lines at a fixed rate, each line written as soon as its turn comes.
std::unique_ptr<Pacer> makeLinePacer(double linesPerSecond);

// A receiver navigating at `epochsPerSecond`: each epoch's first line waits for the
// epoch's time, and every byte goes at the baud rate.
std::unique_ptr<Pacer> makeEpochPacer(int epochsPerSecond, long baud);

// As fast as the reader drains the pseudo-terminal.
std::unique_ptr<Pacer> makeUnlimitedPacer();
