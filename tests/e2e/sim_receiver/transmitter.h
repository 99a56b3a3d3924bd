#pragma once
// The receiver's transmit side: takes queued replies and the stream's lines, one chunk at
// a time, and writes them as fast as the pacer allows and the output accepts.

#include <cstddef>
#include <cstdint>
#include <memory>
#include "byte_log.h"
#include "byte_output.h"
#include "clock.h"
#include "fix_gate.h"
#include "line_source.h"
#include "pacer.h"
#include "reply_queue.h"

struct TransmitCounters {
    std::int64_t lines = 0;       // stream lines written completely
    std::int64_t bytes = 0;       // all bytes written, replies included
    std::int64_t replyBytes = 0;  // of which replies
    std::int64_t discarded = 0;   // bytes paced out while nobody listened
};

inline constexpr Micros never = INT64_MAX;

class Transmitter {
public:
    Transmitter(std::unique_ptr<LineSource> lineSource, std::unique_ptr<Pacer> linePacer,
                bool loopAtEnd, SentLog* log);

    ReplySink& replies() { return replyQueue; }
    // After a start: while it is silent nothing goes out, replies included, from the next
    // line on; while it withholds the fix, whole lines that report one are sent without.
    FixGate& fixGate() { return gate; }

    // Sends what the pace allows now. With no output the bytes are paced and discarded,
    // as from a receiver whose line nobody listens to. Returns when it is worth calling
    // again: now when more can go at once, later for the pace, never when finished or
    // when the output is full (blocked() then tells to wait until it can take more).
    Micros pump(Micros now, ByteOutput* output);

    // Drops the unsent rest of the current chunk: the line it belonged to is lost.
    void abandonChunk();
    // Streaming starts (again) now, without credit from before.
    void restart(Micros now) { pacer->restart(now); }
    // The receiver talks at another pace from now on; a new pacer holds no credit from
    // before beyond its usual cap.
    void changePace(std::unique_ptr<Pacer> newPacer) { pacer = std::move(newPacer); }
    // The stream starts over as after a cold start. The chunk being sent still goes out,
    // so a line is cut only when it is longer than a chunk.
    void restartSource() { source->restartCold(); }

    bool blocked() const { return outputFull; }
    bool finished() const { return allSent; }
    const TransmitCounters& counters() const { return sentCounters; }

private:
    bool refill();
    bool nextFromSource();
    void withholdFixAt(Micros now);
    bool withoutFixAt(Micros now);
    void account(std::size_t written, bool heard);

    std::unique_ptr<LineSource> source;
    std::unique_ptr<Pacer> pacer;
    bool loop;
    SentLog* sentLog;
    ReplyQueue replyQueue;
    FixGate gate;
    Chunk chunk;
    std::size_t offset = 0;
    bool chunkIsReply = false;
    bool continuesLine = false;  // the current chunk is the middle or end of a long line
    // A source of whole epochs has a fix or not for a whole epoch, as a receiver reports.
    bool sourceHasEpochs = false;
    bool epochWithoutFix = false;
    bool outputFull = false;
    bool allSent = false;
    TransmitCounters sentCounters;
};
