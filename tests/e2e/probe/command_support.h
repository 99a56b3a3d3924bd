#pragma once
// Shared pieces of the probe's command handlers.

#include <windows.h>

#include <cstdint>

#include "command_words.h"
#include "json_writer.h"
#include "probe_session.h"

using CommandHandler = void (*)(ProbeSession&, const CommandWords&, JsonWriter&);

inline void answerOk(JsonWriter& json) {
    json.field("ok", true);
}
void answerError(JsonWriter& json, const char* reason);

// The program's windows, or an error answer when they cannot be found.
bool needWindows(ProbeSession& session, JsonWriter& json);
// The control of the control panel whose id is word i, or an error answer.
bool needControl(ProbeSession& session, const CommandWords& words, std::size_t i, JsonWriter& json,
                 HWND* control);
// Word i as milliseconds, or the default when it is missing.
bool timeoutArgument(const CommandWords& words, std::size_t i, DWORD fallback, JsonWriter& json,
                     DWORD* timeoutMs);

// Window text as a field: wchar_t and char16_t are both UTF-16 units on Windows; the
// cast stays here, at the boundary.
inline JsonWriter& wideField(JsonWriter& json, const char* key, const wchar_t* text,
                             std::size_t count) {
    return json.field(key, reinterpret_cast<const char16_t*>(text), count);
}

inline JsonWriter& wideElement(JsonWriter& json, const wchar_t* text, std::size_t count) {
    return json.element(reinterpret_cast<const char16_t*>(text), count);
}

// The text of a window as a field; false (and an error answer) when it does not answer.
bool windowTextField(JsonWriter& json, const char* key, HWND window);
// A window rectangle relative to the main window's client area.
void rectangleField(JsonWriter& json, const char* key, HWND main, HWND window);

// "#RRGGBB" for a colour given as 0x00RRGGBB.
void colorText(std::uint32_t rgb, char (&text)[8]);
inline std::uint32_t rgbOf(COLORREF color) {
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
