#pragma once
// The simulated receiver's end of the line: the master side of a pseudo-terminal whose
// slave side a program opens as its serial port. The master is non-blocking, so a program
// that stops reading or goes away can never hang the simulator.

#include <sys/types.h>
#include <cstddef>
#include <cstdint>

#include "byte_output.h"

class PseudoTerminal final : public ByteOutput {
public:
    static constexpr std::size_t maxPath = 128;

    PseudoTerminal() = default;
    ~PseudoTerminal() override;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a new pair in raw mode; false with errno set when the system refuses.
    bool open();
    void close();
    bool isOpen() const { return master >= 0; }
    int masterFd() const { return master; }
    const char* slavePath() const { return slaveName; }

    // True while some process holds the slave side open (the program's port is open).
    bool peerIsOpen() const;
    // The rate the program last set on its side of the line (0 without a pair); it stays
    // while the program has the port closed.
    long lineBaud() const;

    // Like write(2)/read(2) on the master: -1 with errno EAGAIN when it would block.
    ssize_t write(const std::uint8_t* bytes, std::size_t count) override;
    ssize_t read(std::uint8_t* bytes, std::size_t capacity);

private:
    bool makeSlaveRaw();

    int master = -1;
    char slaveName[maxPath] = {};
};
