#pragma once
// The one cast between the core's char16_t text and the Windows API's wchar_t
// text; both are 16-bit UTF-16 units on Windows. Keep it at the call site.

#include <cwchar>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is 16-bit");

inline const wchar_t* asWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* asWide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}
inline const char16_t* asText16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
