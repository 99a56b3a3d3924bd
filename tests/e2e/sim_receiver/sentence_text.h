#pragma once
// NMEA sentences as the simulated receiver reads them from the program and writes them.

#include <cstddef>

// True when the text is "$...*HH" and HH (hexadecimal, either case) is the XOR of every
// character between the '$' and the '*'.
bool checksumValid(const char* sentence);

// "$BODY" becomes "$BODY*HH\r\n" in text. Returns its length, or 0 when it does not fit.
std::size_t formatSentence(char* text, std::size_t capacity, const char* body);
