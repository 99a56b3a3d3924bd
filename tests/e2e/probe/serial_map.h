#pragma once
// The serial device map HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, where Wine publishes its COM
// ports and where the program looks for them. The key is volatile: it lives as long as
// the prefix's wineserver, so the bench writes it after the server has started.

#include <cstddef>

struct SerialMapEntry {
    wchar_t device[128];  // value name, e.g. \Device\Serial19
    wchar_t port[32];     // value data, e.g. COM20
};

// Reads up to `capacity` entries in the key's order; returns how many were read, or -1
// when the key cannot be opened.
int readSerialMap(SerialMapEntry* entries, std::size_t capacity);

// Leaves exactly one entry: \Device\Serial<n-1> = COM<n>, as Wine names its own ports.
bool replaceSerialMap(int portNumber);
