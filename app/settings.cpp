#include "settings.h"

#include <windows.h>

namespace {

const char* const settingsFile = ".//skyvane.ini";
const char* const section = "SKYVANE";

int readInteger(const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, settingsFile));
}

}  // namespace

Settings readSettingsFile() {
    Settings settings;
    settings.defaultBaudRate = readInteger("DEF_BAUDRATE", 0);
    settings.views.gps = readInteger("VIEW_GPS", 1);
    settings.views.gls = readInteger("VIEW_GLS", 1);
    settings.views.gas = readInteger("VIEW_GAS", 1);
    settings.views.bds = readInteger("VIEW_BDS", 1);
    settings.views.gns = readInteger("VIEW_GNS", 1);
    return settings;
}
