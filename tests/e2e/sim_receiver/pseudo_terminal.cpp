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
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) {
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, slavePath_, sizeof slavePath_) != 0 || !makeSlaveRaw()) {
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
    const int slave = ::open(slavePath_, O_RDWR | O_NOCTTY);
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
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    slavePath_[0] = 0;
}

// Linux reports a hang-up on the master for as long as no slave descriptor is open.
bool PseudoTerminal::peerIsOpen() const {
    if (master_ < 0) {
        return false;
    }
    pollfd entry{master_, POLLIN, 0};
    if (::poll(&entry, 1, 0) < 0) {
        return false;
    }
    return (entry.revents & POLLHUP) == 0;
}

long PseudoTerminal::lineBaud() const {
    return readLineSpeed(master_);
}

ssize_t PseudoTerminal::write(const std::uint8_t* bytes, std::size_t count) {
    return ::write(master_, bytes, count);
}

ssize_t PseudoTerminal::read(std::uint8_t* bytes, std::size_t capacity) {
    return ::read(master_, bytes, capacity);
}
