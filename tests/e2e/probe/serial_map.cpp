#include "serial_map.h"

#include <windows.h>

#include <cwchar>
#include <iterator>

namespace {

constexpr wchar_t serialMapKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";

HKEY openSerialMap(REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, serialMapKey, 0, nullptr, REG_OPTION_VOLATILE, access,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

}  // namespace

int readSerialMap(SerialMapEntry* entries, std::size_t capacity) {
    HKEY key = openSerialMap(KEY_QUERY_VALUE);
    if (key == nullptr) {
        return -1;
    }
    std::size_t count = 0;
    for (DWORD index = 0; count < capacity; ++index) {
        SerialMapEntry& entry = entries[count];
        DWORD nameUnits = static_cast<DWORD>(std::size(entry.device));
        DWORD dataBytes = sizeof entry.port - sizeof(wchar_t);  // room for a terminator
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, entry.device, &nameUnits, nullptr, &type,
                                          reinterpret_cast<BYTE*>(entry.port), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;  // too long for us or not a port name: not one of ours
        }
        entry.port[dataBytes / sizeof(wchar_t)] = 0;
        ++count;
    }
    RegCloseKey(key);
    return static_cast<int>(count);
}

bool replaceSerialMap(int portNumber) {
    HKEY key = openSerialMap(KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (key == nullptr) {
        return false;
    }
    // Deleting shifts the indexes down, so the first value is taken until none is left.
    wchar_t name[256];
    for (;;) {
        DWORD nameUnits = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(key, 0, name, &nameUnits, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS ||
            RegDeleteValueW(key, name) != ERROR_SUCCESS) {
            break;
        }
    }
    wchar_t device[32];
    wchar_t port[16];
    std::swprintf(device, std::size(device), L"\\Device\\Serial%d", portNumber - 1);
    std::swprintf(port, std::size(port), L"COM%d", portNumber);
    const LONG result =
        RegSetValueExW(key, device, 0, REG_SZ, reinterpret_cast<const BYTE*>(port),
                       static_cast<DWORD>((std::wcslen(port) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
