#pragma once

#include "stats/ini_line.h"
#include "stats/limits.h"

// Reads the [LIMITS] section of a limits file through a buffer of one line,
// so a file of any size, or a line of ten megabytes, is never held whole.
// Returns 1 with the limits, or 0 with an error naming the file (and the
// line, where there is one): unreadable, no [LIMITS] section, or a line
// the section refuses.
int readLimitsFile(const char* path, LimitSet* limits, IniError* error);
