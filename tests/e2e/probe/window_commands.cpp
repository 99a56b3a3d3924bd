#include "window_commands.h"

#include <cstdint>
#include <iterator>

#include "messaging.h"
#include "posted_sync.h"

namespace {

constexpr DWORD defaultWaitMs = 10000;

}  // namespace

void waitWindowCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    DWORD timeoutMs = 0;
    if (!timeoutArgument(words, 1, defaultWaitMs, json, &timeoutMs)) {
        return;
    }
    if (!session.waitForWindows(timeoutMs)) {
        answerError(json, "timed out waiting for the program's window");
        return;
    }
    answerOk(json);
    json.field("pid", std::int64_t{session.windows().processId});
}

void windowCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return;
    }
    const TargetWindows& windows = session.windows();
    RECT outer{};
    RECT client{};
    GetWindowRect(windows.main, &outer);
    GetClientRect(windows.main, &client);
    wchar_t className[256];
    const int classLength =
        GetClassNameW(windows.main, className, static_cast<int>(std::size(className)));
    answerOk(json);
    if (!windowTextField(json, "title", windows.main)) {
        return;
    }
    wideField(json, "class", className, classLength > 0 ? static_cast<std::size_t>(classLength) : 0)
        .field("width", std::int64_t{outer.right - outer.left})
        .field("height", std::int64_t{outer.bottom - outer.top})
        .field("client_width", std::int64_t{client.right})
        .field("client_height", std::int64_t{client.bottom})
        .field("visible", IsWindowVisible(windows.main) != 0)
        .field("foreground", GetForegroundWindow() == windows.main);
    rectangleField(json, "control_panel", windows.main, windows.controlPanel);
    rectangleField(json, "graphics_panel", windows.main, windows.graphicsPanel);
    rectangleField(json, "console", windows.main, windows.console);
}

void titleCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return;
    }
    answerOk(json);
    windowTextField(json, "text", session.windows().main);
}

void textCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND control = nullptr;
    if (!needControl(session, words, 1, json, &control)) {
        return;
    }
    answerOk(json);
    windowTextField(json, "text", control);
}

void setTextCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND control = nullptr;
    if (!needControl(session, words, 1, json, &control)) {
        return;
    }
    static wchar_t text[CommandWords::maxLine];
    if (!widenUtf8(words.restFrom(2), text, CommandWords::maxLine)) {
        answerError(json, "the text is not UTF-8");
        return;
    }
    if (!sendTimed(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text))) {
        answerError(json, "the control did not answer");
        return;
    }
    answerOk(json);
}

void stateCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND control = nullptr;
    if (!needControl(session, words, 1, json, &control)) {
        return;
    }
    LRESULT checked = 0;
    if (!sendTimed(control, BM_GETCHECK, 0, 0, &checked)) {
        answerError(json, "the control did not answer");
        return;
    }
    answerOk(json);
    json.field("enabled", IsWindowEnabled(control) != 0)
        .field("visible", IsWindowVisible(control) != 0)
        .field("checked", std::int64_t{checked});
    windowTextField(json, "text", control);
}

// Posted, as a click is: the probe goes on while the program runs a long handler, and
// "idle" tells when the program has dealt with it and with what it posted in turn.
void clickCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND control = nullptr;
    if (!needControl(session, words, 1, json, &control)) {
        return;
    }
    if (!PostMessageW(control, BM_CLICK, 0, 0)) {
        answerError(json, "the click could not be posted");
        return;
    }
    answerOk(json);
}

// idle [TIMEOUT_MS]: until the program has handled everything posted to it so far.
void idleCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    DWORD timeoutMs = 0;
    if (!timeoutArgument(words, 1, defaultWaitMs, json, &timeoutMs) ||
        !needWindows(session, json)) {
        return;
    }
    HWND marker = findMarkerField(session.windows().controlPanel);
    if (marker == nullptr) {
        answerError(json, "the control panel has no edit field to carry the marker");
        return;
    }
    const WaitResult result = waitUntilPostedHandled(marker, timeoutMs);
    if (result != WaitResult::done) {
        answerError(json, result == WaitResult::timedOut ? "the program stayed busy"
                                                         : "cannot watch the program");
        return;
    }
    answerOk(json);
}

void comboCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND combo = nullptr;
    if (!needControl(session, words, 1, json, &combo)) {
        return;
    }
    LRESULT count = 0;
    LRESULT selected = 0;
    if (!sendTimed(combo, CB_GETCOUNT, 0, 0, &count) ||
        !sendTimed(combo, CB_GETCURSEL, 0, 0, &selected) || count < 0) {
        answerError(json, "the combo box did not answer");
        return;
    }
    answerOk(json);
    json.field("selected", std::int64_t{selected});
    if (!windowTextField(json, "text", combo)) {
        return;
    }
    json.beginArray("items");
    static wchar_t item[1024];
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        if (!sendTimed(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0, &length) || length < 0 ||
            length >= static_cast<LRESULT>(std::size(item)) ||
            !sendTimed(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item),
                       &length) ||
            length < 0) {
            json.element("");
            continue;
        }
        wideElement(json, item, static_cast<std::size_t>(length));
    }
    json.endArray();
}

// Selects as the user does: the selection changes, then the panel hears CBN_SELCHANGE.
void selectCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    HWND combo = nullptr;
    std::int64_t index = 0;
    if (!needControl(session, words, 1, json, &combo)) {
        return;
    }
    if (!words.integer(2, -1, 65535, &index)) {
        answerError(json, "an item index (or -1 for none) is needed");
        return;
    }
    // -1 clears the selection, which CB_SETCURSEL reports as CB_ERR.
    LRESULT result = 0;
    if (!sendTimed(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &result) ||
        (result == CB_ERR && index != -1)) {
        answerError(json, "no such item");
        return;
    }
    const int id = GetDlgCtrlID(combo);
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    answerOk(json);
}

void menuCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    std::int64_t command = 0;
    if (!words.integer(1, 0, 65535, &command)) {
        answerError(json, "a command id is needed");
        return;
    }
    if (!needWindows(session, json)) {
        return;
    }
    if (!PostMessageW(session.windows().main, WM_COMMAND, static_cast<WPARAM>(command), 0)) {
        answerError(json, "the command could not be posted");
        return;
    }
    answerOk(json);
}

// A message with any numbers, as another program could send it: the program
// must answer it without trusting what it carries. Sent with a time limit, so
// a program that hangs on it fails the command instead of the probe.
void sendMessageCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    std::int64_t message = 0;
    std::int64_t wParam = 0;
    std::int64_t lParam = 0;
    if (!words.integer(1, 0, 0xFFFF, &message) || !words.integer(2, 0, INT64_MAX, &wParam) ||
        !words.integer(3, INT64_MIN + 1, INT64_MAX, &lParam)) {
        answerError(json, "a message number, a wParam and an lParam are needed");
        return;
    }
    if (!needWindows(session, json)) {
        return;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(session.windows().main, static_cast<UINT>(message),
                             static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                             SMTO_ABORTIFHUNG, 10000, &result)) {
        answerError(json, "the message was not answered");
        return;
    }
    answerOk(json);
    json.field("result", static_cast<std::int64_t>(result));
}
