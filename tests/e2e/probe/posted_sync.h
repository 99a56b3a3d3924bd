#pragma once
// Waiting until the program has handled what was posted to it. Posted messages of one
// thread are handled in the order they were posted, so a marker posted after them has
// been handled only when they have. The marker is a text limit on a read-only edit
// field of the program: it only bounds what a user could type there, which nobody can.
// A handler may post further work (a check box click posts its command to the main
// window), so the wait goes round a few times.

#include <windows.h>

#include "target_process.h"

// The edit field that carries the marker: a read-only one of the panel, else any edit.
HWND findMarkerField(HWND panel);

WaitResult waitUntilPostedHandled(HWND markerField, DWORD timeoutMs);
