#include "keyboard.h"

namespace {

INPUT keyEvent(WORD vk, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

bool bringToForeground(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (GetForegroundWindow() == window) {
            return true;
        }
        SetForegroundWindow(window);
        if (GetTickCount() - start >= timeoutMs) {
            return GetForegroundWindow() == window;
        }
        Sleep(20);  // the window manager side of the switch is asynchronous
    }
}

bool typeKeyCombo(const KeyCombo& combo) {
    INPUT inputs[2 * KeyCombo::maxKeys];
    UINT count = 0;
    for (std::size_t i = 0; i < combo.count; ++i) {
        inputs[count++] = keyEvent(combo.keys[i], false);
    }
    for (std::size_t i = combo.count; i > 0; --i) {
        inputs[count++] = keyEvent(combo.keys[i - 1], true);
    }
    return SendInput(count, inputs, sizeof(INPUT)) == count;
}
