#include "dialog_commands.h"

#include <cstring>
#include <iterator>

#include "keyboard.h"
#include "messaging.h"

namespace {

constexpr wchar_t aboutCaption[] = L"Dialog";
constexpr wchar_t fileDialogCaption[] = L"WAVE Files";
constexpr DWORD dialogWaitMs = 10000;
constexpr DWORD foregroundWaitMs = 3000;
// The file-name field of the file-open dialog: a combo box in the Explorer-style
// dialog (cmb13), an edit field in the old style (edt1).
constexpr int fileNameCombo = 0x047C;
constexpr int fileNameEdit = 0x0480;

HWND waitForDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = findProcessDialog(processId, caption);
        if (dialog != nullptr || GetTickCount() - start >= timeoutMs) {
            return dialog;
        }
        Sleep(50);  // the dialog is another process's window: poll for it
    }
}

void dialogState(ProbeSession& session, const wchar_t* caption, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return;
    }
    HWND dialog = findProcessDialog(session.windows().processId, caption);
    answerOk(json);
    json.field("open", dialog != nullptr);
    if (dialog != nullptr) {
        json.field("owned_by_main", GetWindow(dialog, GW_OWNER) == session.windows().main);
    }
}

// "main", "about" or "file": the window a keystroke or activation is meant for.
HWND namedWindow(ProbeSession& session, const char* name) {
    if (std::strcmp(name, "main") == 0) {
        return session.windows().main;
    }
    if (std::strcmp(name, "about") == 0) {
        return findProcessDialog(session.windows().processId, aboutCaption);
    }
    if (std::strcmp(name, "file") == 0) {
        return findProcessDialog(session.windows().processId, fileDialogCaption);
    }
    return nullptr;
}

void foregroundField(JsonWriter& json) {
    wchar_t caption[256];
    const int length =
        InternalGetWindowText(GetForegroundWindow(), caption, static_cast<int>(std::size(caption)));
    wideField(json, "foreground", caption, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

void aboutCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    dialogState(session, aboutCaption, json);
}

void fileDialogCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    dialogState(session, fileDialogCaption, json);
}

// Waits for the dialog, types the path into its file-name field and presses Open.
void openFileCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    static wchar_t path[CommandWords::maxLine];
    if (*words.rest() == 0 || !widenUtf8(words.rest(), path, CommandWords::maxLine)) {
        answerError(json, "a file path is needed");
        return;
    }
    if (!needWindows(session, json)) {
        return;
    }
    HWND dialog = waitForDialog(session.windows().processId, fileDialogCaption, dialogWaitMs);
    if (dialog == nullptr) {
        answerError(json, "the file dialog did not open");
        return;
    }
    HWND field = GetDlgItem(dialog, fileNameCombo);
    if (field == nullptr) {
        field = GetDlgItem(dialog, fileNameEdit);
    }
    if (field == nullptr || !sendTimed(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path))) {
        answerError(json, "the file name field was not found");
        return;
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    answerOk(json);
}

void cancelFileCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return;
    }
    HWND dialog = waitForDialog(session.windows().processId, fileDialogCaption, dialogWaitMs);
    if (dialog == nullptr) {
        answerError(json, "the file dialog did not open");
        return;
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    answerOk(json);
}

// keys COMBO [main|about|file]: with a window named, it is brought to the foreground
// first; without, the keys go to whatever window has the focus.
void keysCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    KeyCombo combo;
    if (!parseKeyCombo(words.word(1), &combo)) {
        answerError(json, "unknown keys; e.g. ctrl+a, escape, alt+f4");
        return;
    }
    if (*words.word(2) != 0) {
        if (!needWindows(session, json)) {
            return;
        }
        HWND window = namedWindow(session, words.word(2));
        if (window == nullptr || !bringToForeground(window, foregroundWaitMs)) {
            answerError(json, "the window for the keys is not there or not in front");
            return;
        }
    }
    if (!typeKeyCombo(combo)) {
        answerError(json, "the keystrokes were not all taken");
        return;
    }
    answerOk(json);
    foregroundField(json);
}
