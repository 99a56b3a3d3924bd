#pragma once
// A readable account of a replay: how many lines, how they fared, and what the
// receiver reported at the end.

#include <cstdint>
#include <cstdio>

class ReplaySession;

struct ReplayCounts {
    std::uint64_t lines = 0;
    std::uint64_t checksumOk = 0;
    std::uint64_t speedAlerts = 0;
    std::uint64_t rmc = 0;
    std::uint64_t gsa = 0;
    std::uint64_t gsv = 0;
    std::uint64_t consoleClears = 0;

    // Adds what the session's last line did.
    void count(const ReplaySession& session);
};

void printReplaySummary(std::FILE* out, const char* source, const ReplayCounts& counts,
                        const ReplaySession& session);
