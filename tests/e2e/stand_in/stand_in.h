#pragma once
// The stand-in: a small Win32 window that plays the parts of skyvane.exe the bench has to
// reach (a control panel with control 1004 and a RICHEDIT console, a graphics panel, an
// About box, a file-open dialog, accelerators, a serial port read by a reader thread),
// so that the bench can be proven before and independently of the program. It is a test
// fixture, not a second product: it parses nothing.

#include <windows.h>

#include <cstddef>

#include "stand_in_ids.h"

// Room for a received line and its terminator; a longer line is passed on in pieces.
constexpr std::size_t lineCapacity = 1100;

// The received bytes, all of them, go to this file in the working directory.
#define STAND_IN_CAPTURE_FILE L"received.bin"

struct StandInWindows {
    HWND main;
    HWND controlPanel;
    HWND graphicsPanel;
    HWND console;
};
extern StandInWindows standIn;

// Control panel and graphics panel (stand_in_panels.cpp).
bool createPanels(HINSTANCE instance, HWND main);
void appendConsoleLine(const char* line);
void setStatus(const wchar_t* text);

// Serial port (stand_in_port.cpp), all on the user-interface thread.
bool openPort(const wchar_t* portName, HWND owner);
void closePort();
bool portIsOpen();
bool writePort(const char* bytes, std::size_t count);

// Port list from the serial device map (stand_in_port_list.cpp): "Serial Port (COMn)".
void listPorts(HWND combo);

// Count of received lines, shown in the title and returned as the exit code.
extern int linesReceived;
// While set, lines are counted and captured but not shown: under Wine on Xvfb every
// visible console line costs about 10 ms of drawing, far below a 921600 baud stream.
extern bool quiet;
