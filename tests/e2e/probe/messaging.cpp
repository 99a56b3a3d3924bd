#include "messaging.h"

bool sendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            answerTimeoutMs, &answer) == 0) {
        return false;
    }
    if (result != nullptr) {
        *result = static_cast<LRESULT>(answer);
    }
    return true;
}

bool readWindowText(HWND window, wchar_t* text, std::size_t capacity, std::size_t* length) {
    text[0] = 0;
    LRESULT reported = 0;
    if (!sendTimed(window, WM_GETTEXTLENGTH, 0, 0, &reported)) {
        return false;
    }
    LRESULT copied = 0;
    if (!sendTimed(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(text), &copied)) {
        return false;
    }
    const std::size_t got = static_cast<std::size_t>(copied) < capacity
                                ? static_cast<std::size_t>(copied)
                                : capacity - 1;
    text[got] = 0;
    // The length message may count a multi-byte text generously; what was copied is exact
    // unless the buffer was full.
    *length = got + 1 < capacity ? got : static_cast<std::size_t>(reported);
    return true;
}

bool widenUtf8(const char* utf8, wchar_t* text, std::size_t capacity) {
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, text,
                                          static_cast<int>(capacity));
    if (units <= 0) {
        text[0] = 0;
        return false;
    }
    return true;
}
