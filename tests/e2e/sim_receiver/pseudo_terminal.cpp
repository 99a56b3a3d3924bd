#include "pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "line_speed.h"

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::open() {
    close();
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        return false;
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, slaveName, sizeof slaveName) != 0 || !makeSlaveRaw()) {
        const int error = errno;
        close();
        errno = error;
        return false;
    }
    return true;
}

// A serial port passes bytes untouched: no echo, no CR/LF translation, no line editing.
// The settings stay with the pair while the master is open, also between the program's
// opens of the port; the program may still change them through its own line settings.
bool PseudoTerminal::makeSlaveRaw() {
    const int slave = ::open(slaveName, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        return false;
    }
    termios settings{};
    bool ok = ::tcgetattr(slave, &settings) == 0;
    if (ok) {
        ::cfmakeraw(&settings);
        ok = ::tcsetattr(slave, TCSANOW, &settings) == 0;
    }
    ::close(slave);
    return ok;
}

void PseudoTerminal::close() {
    if (master >= 0) {
        ::close(master);
        master = -1;
    }
    slaveName[0] = 0;
}

// Linux reports a hang-up on the master for as long as no slave descriptor is open.
bool PseudoTerminal::peerIsOpen() const {
    if (master < 0) {
        return false;
    }
    pollfd entry{master, POLLIN, 0};
    if (::poll(&entry, 1, 0) < 0) {
        return false;
    }
    return (entry.revents & POLLHUP) == 0;
}

long PseudoTerminal::lineBaud() const {
    return readLineSpeed(master);
}

ssize_t PseudoTerminal::write(const std::uint8_t* bytes, std::size_t count) {
    return ::write(master, bytes, count);
}

ssize_t PseudoTerminal::read(std::uint8_t* bytes, std::size_t capacity) {
    return ::read(master, bytes, capacity);
}
