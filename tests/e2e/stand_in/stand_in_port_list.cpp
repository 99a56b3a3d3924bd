// The stand-in lists the ports of the serial device map, as the program does when the
// device-setup interface finds none (which is always the case under Wine).

#include <cwchar>
#include <iterator>

#include "stand_in.h"

void listPorts(HWND combo) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[128];
        wchar_t port[32];
        DWORD nameUnits = static_cast<DWORD>(std::size(name));
        DWORD portBytes = sizeof port - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, name, &nameUnits, nullptr, &type,
                                          reinterpret_cast<BYTE*>(port), &portBytes);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        port[portBytes / sizeof(wchar_t)] = 0;
        wchar_t item[64];
        std::swprintf(item, std::size(item), L"Serial Port (%ls)", port);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    RegCloseKey(key);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}
