// Kept apart from <termios.h>: the kernel's termios2, which carries the rate as a number
// rather than a Bnnn code, clashes with the C library's termios.
#include "line_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

long readLineSpeed(int fd) {
    termios2 settings{};
    if (fd < 0 || ::ioctl(fd, TCGETS2, &settings) != 0) {
        return 0;
    }
    return static_cast<long>(settings.c_ospeed);
}
