#include "port_discovery_win32.h"

#include <setupapi.h>

#include <iterator>

#include "base/text16.h"
#include "base/wide_win32.h"

namespace {

void addPort(PortTable& table, const wchar_t* name, const wchar_t* description) {
    if (table.count < PortTable::capacity) {
        PortEntry& entry = table.entries[table.count++];
        entry.name.assign(asText16(name));
        entry.description.assign(asText16(description));
    }
}

// A name that fills the buffer is cut and still terminated.
template <std::size_t N>
int deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA* device, DWORD property, wchar_t (&text)[N]) {
    text[0] = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(devices, device, property, nullptr,
                                           reinterpret_cast<BYTE*>(text), sizeof text, nullptr)) {
        text[0] = 0;
        return 0;
    }
    text[N - 1] = 0;
    return 1;
}

void listFromDeviceSetup(HWND owner, PortTable& table) {
    const HDEVINFO devices =
        SetupDiGetClassDevsW(nullptr, nullptr, owner, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (devices == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device;
    for (DWORD index = 0;; ++index) {
        ZeroMemory(&device, sizeof device);
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(devices, index, &device)) {
            break;
        }
        wchar_t name[200];
        if (!deviceProperty(devices, &device, SPDRP_FRIENDLYNAME, name) ||
            !containsAscii(asText16(name), "(COM")) {
            continue;
        }
        wchar_t description[200];
        deviceProperty(devices, &device, SPDRP_DEVICEDESC, description);
        addPort(table, name, description);
    }
    SetupDiDestroyDeviceInfoList(devices);
}

void listFromSerialDeviceMap(PortTable& table) {
    HKEY map;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &map) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD valueNameLength = static_cast<DWORD>(std::size(valueName));
        wchar_t port[64];
        DWORD portBytes = sizeof port - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(map, index, valueName, &valueNameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(port), &portBytes);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        port[portBytes / sizeof(wchar_t)] = 0;
        wchar_t name[96];
        wsprintfW(name, L"Serial Port (%.60s)", port);
        addPort(table, name, L"");
    }
    RegCloseKey(map);
}

}  // namespace

PortTable discoverSerialPorts(HWND owner) {
    PortTable table;
    listFromDeviceSetup(owner, table);
    if (table.count == 0) {
        listFromSerialDeviceMap(table);
    }
    return table;
}
