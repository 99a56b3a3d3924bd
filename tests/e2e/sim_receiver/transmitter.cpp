#include "transmitter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "no_fix_sentence.h"

namespace {

// One call writes at most this much, so that commands and the program's bytes are
// looked at regularly even when the pace is unlimited.
constexpr std::size_t maxBytesPerPump = 65536;

// A write that failed for another reason than a full buffer is tried again this much later.
constexpr Micros retryAfterError = 10'000;

}  // namespace

Transmitter::Transmitter(std::unique_ptr<LineSource> lineSource, std::unique_ptr<Pacer> linePacer,
                         bool loopAtEnd, SentLog* log)
    : source(std::move(lineSource)), pacer(std::move(linePacer)), loop(loopAtEnd), sentLog(log) {}

bool Transmitter::nextFromSource() {
    chunk.startsEpoch = false;
    if (source->next(chunk)) {
        return true;
    }
    if (!loop) {
        return false;
    }
    source->rewind();
    return source->next(chunk);  // false for an empty source: nothing to loop
}

// Replies go only between lines, never into the middle of one.
bool Transmitter::refill() {
    offset = 0;
    chunk.length = 0;
    if (!continuesLine && replyQueue.take(chunk)) {
        chunkIsReply = true;
        return true;
    }
    chunkIsReply = false;
    if (!nextFromSource()) {
        allSent = replyQueue.empty();
        return false;
    }
    allSent = false;
    pacer->lineAhead(chunk.startsEpoch);
    return true;
}

// A start takes the fix away at once, mid-epoch as a receiver would; the fix
// comes back with an epoch's first line, so no epoch reports half a fix.
bool Transmitter::withoutFixAt(Micros now) {
    const bool withheld = gate.withholdsFix(now);
    if (chunk.startsEpoch && !chunkIsReply) {
        sourceHasEpochs = true;
        epochWithoutFix = withheld;
    } else if (withheld) {
        epochWithoutFix = true;
    }
    return sourceHasEpochs ? epochWithoutFix : withheld;
}

// Only a line that fits one chunk is changed, as its first byte goes out; a longer one is
// no sentence that reports a fix.
void Transmitter::withholdFixAt(Micros now) {
    const bool withheld = withoutFixAt(now);
    if (chunkIsReply || continuesLine || !chunk.endsLine || !withheld) {
        return;
    }
    std::uint8_t changed[Chunk::capacity];
    const std::size_t length =
        rewriteWithoutFix(chunk.bytes, chunk.length, changed, sizeof changed);
    if (length > 0) {
        std::memcpy(chunk.bytes, changed, length);
        chunk.length = length;
    }
}

void Transmitter::account(std::size_t written, bool heard) {
    const auto count = static_cast<std::int64_t>(written);
    if (!heard) {
        sentCounters.discarded += count;
    } else {
        sentCounters.bytes += count;
        if (chunkIsReply) {
            sentCounters.replyBytes += count;
        }
        if (sentLog != nullptr) {
            sentLog->append(chunk.bytes + offset, written);
        }
    }
    offset += written;
    if (offset == chunk.length && !chunkIsReply) {
        continuesLine = !chunk.endsLine;
        if (heard && chunk.endsLine) {
            ++sentCounters.lines;
        }
    }
}

Micros Transmitter::pump(Micros now, ByteOutput* output) {
    outputFull = false;
    std::size_t budget = maxBytesPerPump;
    while (budget > 0) {
        // A silent receiver finishes the line it was sending and then says nothing.
        const bool betweenLines = !continuesLine && (offset == 0 || offset >= chunk.length);
        if (betweenLines && gate.silentUntil() > now) {
            return gate.silentUntil();
        }
        if (offset >= chunk.length && !refill()) {
            return never;
        }
        const bool atLineStart = offset == 0 && !continuesLine;
        const std::size_t remaining = std::min(chunk.length - offset, budget);
        std::size_t allowed = pacer->allowance(now, remaining, atLineStart);
        if (allowed == 0) {
            return pacer->nextChance(now);
        }
        if (offset == 0) {
            withholdFixAt(now);
            allowed = std::min(allowed, chunk.length);
        }
        ssize_t written = static_cast<ssize_t>(allowed);
        if (output != nullptr) {
            written = output->write(chunk.bytes + offset, allowed);
        }
        if (written <= 0) {
            outputFull = written == 0 || errno == EAGAIN || errno == EWOULDBLOCK;
            return outputFull ? never : now + retryAfterError;
        }
        pacer->spend(static_cast<std::size_t>(written), atLineStart);
        account(static_cast<std::size_t>(written), output != nullptr);
        budget -= static_cast<std::size_t>(written);
    }
    return now;
}

void Transmitter::abandonChunk() {
    offset = chunk.length;
    continuesLine = false;
}
