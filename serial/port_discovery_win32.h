#pragma once
// Lists the serial ports present by their friendly names, each holding its
// port name in parentheses, as in "USB Serial Port (COM7)".

#include <windows.h>

#include "base/fixed_text.h"

constexpr int portTableSize = 20;

struct PortEntry {
    FixedText<64> name;
    FixedText<64> description;
};

extern signed char portCount;
extern PortEntry portTable[portTableSize];
extern int portListPosition[portTableSize];

// Adds the present ports to the combo box (emptied by the caller, portCount 0).
void listSerialPorts(HWND panel, HWND portList);

// Rebuilds the combo box from portTable, preferring an entry described as
// "GPS Receiver".
void relistPorts(HWND portList);
