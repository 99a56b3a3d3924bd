#pragma once
// The speed a program set on a serial line through its termios settings.

// Asked of a pseudo-terminal's master, the answer is the slave's setting: what the program
// that opened the slave (Wine, at SetCommState) chose, without opening the slave, whose
// open would change what the master reports about the program's own opens. Returns the
// rate in baud, or 0 when it cannot be read.
long readLineSpeed(int fd);
