#pragma once
// What crossed the line, kept in files for the scenario to check afterwards.
//  - ReceivedLog: every read from the program, one JSON line each:
//    {"ms":1234,"hex":"24504d544b..."} with ms counted from the simulator's start.
//  - SentLog: the raw bytes written to the program, in order.
// Both are flushed at once, so a harness may read them while the simulator runs.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "clock.h"

class ReceivedLog {
public:
    ReceivedLog() = default;
    ~ReceivedLog();
    ReceivedLog(const ReceivedLog&) = delete;
    ReceivedLog& operator=(const ReceivedLog&) = delete;

    bool open(const char* path);
    void append(Micros sinceStart, const std::uint8_t* bytes, std::size_t count);

private:
    std::FILE* file = nullptr;
};

class SentLog {
public:
    SentLog() = default;
    ~SentLog();
    SentLog(const SentLog&) = delete;
    SentLog& operator=(const SentLog&) = delete;

    bool open(const char* path);
    void append(const std::uint8_t* bytes, std::size_t count);

private:
    std::FILE* file = nullptr;
};

// Writes "{"ms":M,"hex":"..."}" into text (bounded); returns the length written.
std::size_t formatReceivedRecord(char* text, std::size_t capacity, Micros sinceStart,
                                 const std::uint8_t* bytes, std::size_t count);
