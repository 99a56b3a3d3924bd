#pragma once
// The file-open dialog that picks a recorded log to replay in place of a port.

#include <windows.h>

#include "serial/port_label.h"

// Returns 1 with the chosen file in `path`, or 0 when the operator cancels or
// the file's path is longer than a connection keeps.
int chooseReplayFile(HWND owner, PortPath* path);
