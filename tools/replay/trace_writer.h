#pragma once
// One JSON object per handled line: what the pipeline did with it and the
// receiver state after it.

#include <cstdint>
#include <string>

class HeadlessHost;
class SentenceIntake;
struct ReceiverState;

struct TraceLine {
    std::uint64_t number;
    std::uint32_t tick;
    const SentenceIntake& intake;
    const HeadlessHost& host;
    const ReceiverState& state;
};

// Appends the object and a line feed to `out`.
void appendTraceLine(std::string& out, const TraceLine& line);
