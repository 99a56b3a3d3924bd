#pragma once
// Holds every thread of the program still except its user-interface thread, for as long
// as this object lives. Reading the console's colours means moving the console's
// selection, and the program writes each received line at the selection: with its
// reader thread held, no line can arrive until the selection is back where it was.

#include <windows.h>

#include <cstddef>

class ThreadFreeze {
public:
    ThreadFreeze(DWORD processId, DWORD keepRunningThreadId);
    ~ThreadFreeze();
    ThreadFreeze(const ThreadFreeze&) = delete;
    ThreadFreeze& operator=(const ThreadFreeze&) = delete;

    // False when a thread could not be held (the read may then see the console change).
    bool complete() const { return allHeld; }

private:
    static constexpr std::size_t maxThreads = 256;
    HANDLE threads[maxThreads];
    std::size_t heldCount = 0;
    bool allHeld = true;
};
