#include "transmitter.h"

#include <algorithm>
#include <cerrno>

namespace {

// One call writes at most this much, so that commands and the program's bytes are
// looked at regularly even when the pace is unlimited.
constexpr std::size_t maxBytesPerPump = 65536;

// A write that failed for another reason than a full buffer is tried again this much later.
constexpr Micros retryAfterError = 10'000;

}  // namespace

Transmitter::Transmitter(std::unique_ptr<LineSource> source, std::unique_ptr<Pacer> pacer,
                         bool loop, SentLog* sentLog)
    : source_(std::move(source)), pacer_(std::move(pacer)), loop_(loop), sentLog_(sentLog) {}

bool Transmitter::nextFromSource() {
    if (source_->next(chunk_)) {
        return true;
    }
    if (!loop_) {
        return false;
    }
    source_->rewind();
    return source_->next(chunk_);  // false for an empty source: nothing to loop
}

// Replies go only between lines, never into the middle of one.
bool Transmitter::refill() {
    offset_ = 0;
    chunk_.length = 0;
    if (!continuesLine_ && replies_.take(chunk_)) {
        chunkIsReply_ = true;
        return true;
    }
    chunkIsReply_ = false;
    if (!nextFromSource()) {
        finished_ = replies_.empty();
        return false;
    }
    finished_ = false;
    return true;
}

void Transmitter::account(std::size_t written, bool heard) {
    const auto count = static_cast<std::int64_t>(written);
    if (!heard) {
        counters_.discarded += count;
    } else {
        counters_.bytes += count;
        if (chunkIsReply_) {
            counters_.replyBytes += count;
        }
        if (sentLog_ != nullptr) {
            sentLog_->append(chunk_.bytes + offset_, written);
        }
    }
    offset_ += written;
    if (offset_ == chunk_.length && !chunkIsReply_) {
        continuesLine_ = !chunk_.endsLine;
        if (heard && chunk_.endsLine) {
            ++counters_.lines;
        }
    }
}

Micros Transmitter::pump(Micros now, ByteOutput* output) {
    blocked_ = false;
    std::size_t budget = maxBytesPerPump;
    while (budget > 0) {
        if (offset_ >= chunk_.length && !refill()) {
            return never;
        }
        const bool atLineStart = offset_ == 0 && !continuesLine_;
        const std::size_t remaining = std::min(chunk_.length - offset_, budget);
        const std::size_t allowed = pacer_->allowance(now, remaining, atLineStart);
        if (allowed == 0) {
            return pacer_->nextChance(now);
        }
        ssize_t written = static_cast<ssize_t>(allowed);
        if (output != nullptr) {
            written = output->write(chunk_.bytes + offset_, allowed);
        }
        if (written <= 0) {
            blocked_ = written == 0 || errno == EAGAIN || errno == EWOULDBLOCK;
            return blocked_ ? never : now + retryAfterError;
        }
        pacer_->spend(static_cast<std::size_t>(written), atLineStart);
        account(static_cast<std::size_t>(written), output != nullptr);
        budget -= static_cast<std::size_t>(written);
    }
    return now;
}

void Transmitter::abandonChunk() {
    offset_ = chunk_.length;
    continuesLine_ = false;
}
