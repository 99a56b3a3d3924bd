#pragma once
// Messages to the program's windows from outside its process. Every send has a timeout,
// so a program that hangs makes a command fail instead of hanging the probe.

#include <windows.h>

#include <cstddef>

inline constexpr UINT answerTimeoutMs = 5000;

// SendMessageTimeout; false when the window did not answer in time or is gone.
bool sendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);

// The window's text, cut to capacity - 1 units and terminated. `length` is the full
// length the window reported, so length >= capacity means the text was cut.
bool readWindowText(HWND window, wchar_t* text, std::size_t capacity, std::size_t* length);

// UTF-8 from the command line to UTF-16, bounded and terminated; false when it does not fit.
bool widenUtf8(const char* utf8, wchar_t* text, std::size_t capacity);
