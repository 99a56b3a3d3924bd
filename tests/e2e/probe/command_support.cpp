#include "command_support.h"

#include <cstdio>
#include <iterator>

#include "messaging.h"

void answerError(JsonWriter& json, const char* reason) {
    json.field("ok", false).field("error", reason);
}

bool needWindows(ProbeSession& session, JsonWriter& json) {
    if (!session.refresh()) {
        answerError(json, "the program's window was not found");
        return false;
    }
    return true;
}

bool needControl(ProbeSession& session, const CommandWords& words, std::size_t i, JsonWriter& json,
                 HWND* control) {
    std::int64_t id = 0;
    if (!words.integer(i, -32768, 65535, &id)) {
        answerError(json, "a control id is needed");
        return false;
    }
    if (!needWindows(session, json)) {
        return false;
    }
    *control = session.control(static_cast<int>(id));
    if (*control == nullptr) {
        answerError(json, "no such control in the control panel or the statistics window");
        return false;
    }
    return true;
}

bool timeoutArgument(const CommandWords& words, std::size_t i, DWORD fallback, JsonWriter& json,
                     DWORD* timeoutMs) {
    if (*words.word(i) == 0) {
        *timeoutMs = fallback;
        return true;
    }
    std::int64_t value = 0;
    if (!words.integer(i, 0, 3'600'000, &value)) {
        answerError(json, "the timeout must be 0 to 3600000 ms");
        return false;
    }
    *timeoutMs = static_cast<DWORD>(value);
    return true;
}

bool windowTextField(JsonWriter& json, const char* key, HWND window) {
    static wchar_t text[8192];
    std::size_t length = 0;
    if (!readWindowText(window, text, std::size(text), &length)) {
        answerError(json, "the window did not answer");
        return false;
    }
    wideField(json, key, text, wcslen(text));
    return true;
}

void rectangleField(JsonWriter& json, const char* key, HWND main, HWND window) {
    RECT rect{};
    if (window == nullptr || !GetWindowRect(window, &rect)) {
        json.nullField(key);
        return;
    }
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
    json.beginObject(key)
        .field("x", std::int64_t{rect.left})
        .field("y", std::int64_t{rect.top})
        .field("width", std::int64_t{rect.right - rect.left})
        .field("height", std::int64_t{rect.bottom - rect.top})
        .endObject();
}

void colorText(std::uint32_t rgb, char (&text)[8]) {
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
}
