#pragma once
// Finds the serial ports present by their friendly names, each holding its
// port name in parentheses, as in "USB Serial Port (COM7)".

#include <windows.h>

#include "base/fixed_text.h"

struct PortEntry {
    FixedText<64> name;
    FixedText<64> description;  // the device's description; empty when unknown
};

struct PortTable {
    static constexpr int capacity = 127;

    PortEntry entries[capacity];
    int count = 0;  // ports found, at most capacity
};

// The ports of the device-setup interface, or where it knows none (as under
// Wine), those the system publishes in the serial device map, in its order.
// `owner` is the window the device-setup interface may report to.
PortTable discoverSerialPorts(HWND owner);
