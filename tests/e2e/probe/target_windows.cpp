#include "target_windows.h"

#include <cwchar>
#include <iterator>

namespace {

constexpr int startButtonId = 1004;
constexpr wchar_t dialogClass[] = L"#32770";

struct DialogSearch {
    DWORD processId;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM context) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t className[32];
    wchar_t caption[128];
    if (GetClassNameW(window, className, static_cast<int>(std::size(className))) == 0 ||
        std::wcscmp(className, dialogClass) != 0) {
        return TRUE;
    }
    // Our own process's copy of the caption: no message reaches the (maybe busy) program.
    if (InternalGetWindowText(window, caption, static_cast<int>(std::size(caption))) < 0 ||
        std::wcscmp(caption, search->caption) != 0) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

bool findTargetWindows(const wchar_t* className, TargetWindows* target) {
    *target = TargetWindows{};
    target->main = FindWindowW(className, nullptr);
    if (target->main == nullptr) {
        return false;
    }
    GetWindowThreadProcessId(target->main, &target->processId);
    for (HWND child = FindWindowExW(target->main, nullptr, dialogClass, nullptr); child != nullptr;
         child = FindWindowExW(target->main, child, dialogClass, nullptr)) {
        if (GetDlgItem(child, startButtonId) != nullptr) {
            target->controlPanel = child;
        } else if (target->graphicsPanel == nullptr) {
            target->graphicsPanel = child;
        }
    }
    if (target->controlPanel != nullptr) {
        target->console = FindWindowExW(target->controlPanel, nullptr, L"RICHEDIT", nullptr);
    }
    return target->controlPanel != nullptr;
}

HWND findProcessDialog(DWORD processId, const wchar_t* caption) {
    DialogSearch search{processId, caption, nullptr};
    EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
