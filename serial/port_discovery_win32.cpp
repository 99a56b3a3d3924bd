#include "port_discovery_win32.h"

#include <setupapi.h>

#include <iterator>
#include <limits>

#include "base/text16.h"
#include "base/wide_win32.h"

signed char portCount = 0;
PortEntry portTable[portTableSize];
int portListPosition[portTableSize];

namespace {

void addPort(HWND portList, const wchar_t* name, const wchar_t* description) {
    const LRESULT position =
        SendMessageW(portList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (portCount < portTableSize) {
        PortEntry& entry = portTable[portCount];
        entry.name.assign(asText16(name));
        entry.description.assign(asText16(description));
        portListPosition[portCount] = static_cast<int>(position);
    }
    if (portCount < std::numeric_limits<signed char>::max()) {
        ++portCount;
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

void listFromDeviceSetup(HWND panel, HWND portList) {
    const HDEVINFO devices =
        SetupDiGetClassDevsW(nullptr, nullptr, panel, DIGCF_PRESENT | DIGCF_ALLCLASSES);
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
        addPort(portList, name, description);
    }
    SetupDiDestroyDeviceInfoList(devices);
}

// Where the device-setup interface knows no port (as under Wine), the ports
// the system publishes in the serial device map are listed, in its order.
void listFromSerialDeviceMap(HWND portList) {
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
        addPort(portList, name, L"");
    }
    RegCloseKey(map);
}

}  // namespace

void listSerialPorts(HWND panel, HWND portList) {
    listFromDeviceSetup(panel, portList);
    if (portCount == 0) {
        listFromSerialDeviceMap(portList);
    }
}

void relistPorts(HWND portList) {
    SendMessageW(portList, CB_RESETCONTENT, 0, 0);
    if (portCount == 0) {
        SetWindowTextW(portList, L"No Com Port Find!!");
        return;
    }
    const int listed = portCount < portTableSize ? portCount : portTableSize;
    for (int i = 0; i < listed; ++i) {
        FixedText<140> entry;
        entry.assign(portTable[i].name.c_str());
        const std::size_t at = entry.length();
        copyText(entry.data() + at, entry.capacity - at, u"  ");
        copyText(entry.data() + at + 2, entry.capacity - at - 2, portTable[i].description.c_str());
        SendMessageW(portList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(asWide(entry.c_str())));
    }
    for (int i = 0; i < listed; ++i) {
        if (portTable[i].description.equalsAscii("GPS Receiver")) {
            SendMessageW(portList, CB_SETCURSEL, portListPosition[i], 0);
            return;
        }
    }
    SendMessageW(portList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Log File:"));
    SendMessageW(portList, CB_SETCURSEL, 0, 0);
}
