#include "settings.h"

#include <windows.h>

#include <memory>

#include "stats/reference_position.h"

namespace {

const char* const settingsFile = ".//skyvane.ini";
const char* const section = "SKYVANE";

int readInteger(const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, settingsFile));
}

}  // namespace

namespace {

// Far more than any settings file holds; a larger one is refused whole.
constexpr DWORD largestSettingsText = 65536;

struct SettingsText {
    char bytes[largestSettingsText + 1];
    DWORD length = 0;
};

// 1 with the text, 0 with no file, -1 for one too large or unreadable.
int readSettingsText(SettingsText* text) {
    const HANDLE file = CreateFileA(settingsFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const BOOL read = ReadFile(file, text->bytes, sizeof text->bytes, &text->length, nullptr);
    CloseHandle(file);
    return read && text->length <= largestSettingsText ? 1 : -1;
}

void noteProblem(JudgingSettings* settings, const IniError& error) {
    settings->problem.assignAscii(error.message);
}

}  // namespace

JudgingSettings readJudgingSettings() {
    JudgingSettings settings;
    auto text = std::make_unique<SettingsText>();
    const int read = readSettingsText(text.get());
    if (read < 0) {
        settings.problem.assignAscii("skyvane.ini: too large or unreadable; no limits read");
        return settings;
    }
    if (read == 0) {
        return settings;
    }
    IniError error;
    if (!parseLimitsText(text->bytes, text->length, "skyvane.ini", &settings.limits, &error)) {
        settings.limits = LimitSet();
        noteProblem(&settings, error);
    }
    if (!readReferenceText(text->bytes, text->length, "skyvane.ini", &settings.reference,
                           &error)) {
        settings.reference.reset();
        noteProblem(&settings, error);
    }
    return settings;
}

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
