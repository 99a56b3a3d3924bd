#pragma once
// From the text of a port list entry to the device path that opens it.

#include "base/fixed_text.h"

using PortPath = FixedText<128>;

// The connection toggle hands over the entry up to its first ':', so the
// entry "Log File:" arrives as "Log File".
void cutAtFirstColon(char16_t* label);

bool isReplayLabel(const char16_t* label);

// "USB Serial Port (COM7)" gives \\.\COM7 and "COM1" gives \\.\COM1. Returns 0,
// leaving the path alone, for a "(COM" without a closing ')' after it or for
// a path that would not fit.
int portPathFromLabel(const char16_t* label, PortPath* path);

// A recording chosen to replay keeps its path unchanged. Returns 0, leaving
// the path alone, when it is longer than 127 characters: a cut path would
// open another file or none.
int replayPathFromFile(const char16_t* file, PortPath* path);
