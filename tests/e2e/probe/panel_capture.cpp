#include "panel_capture.h"

PanelCapture::~PanelCapture() {
    release();
}

void PanelCapture::release() {
    if (memoryDc != nullptr) {
        SelectObject(memoryDc, previousBitmap);
        DeleteDC(memoryDc);
        memoryDc = nullptr;
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    pixels = nullptr;
    copyLeft = copyTop = copyWidth = copyHeight = 0;
}

namespace {

// The part of the window's client area that can be seen: inside its parent's client area
// (the program's graphics panel reaches below the main window) and inside the screen.
bool visibleClientPart(HWND window, RECT* visible) {
    RECT client{};
    if (!GetClientRect(window, &client)) {
        return false;
    }
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT shown{};
    if (!IntersectRect(&shown, &client, &screen)) {
        return false;
    }
    HWND parent = GetAncestor(window, GA_PARENT);
    RECT parentClient{};
    if (parent != nullptr && parent != GetDesktopWindow() && GetClientRect(parent, &parentClient)) {
        MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&parentClient), 2);
        if (!IntersectRect(&shown, &shown, &parentClient)) {
            return false;
        }
    }
    *visible = shown;
    return true;
}

}  // namespace

// Under Wine a window's own device context cannot be read from another process (and
// PrintWindow draws nothing there), so the panel is read from the screen at its place,
// which is also exactly what the user sees.
bool PanelCapture::capture(HWND window) {
    release();
    RECT shown{};
    POINT origin{0, 0};
    if (!visibleClientPart(window, &shown) || !ClientToScreen(window, &origin)) {
        return false;
    }
    // Pixels are addressed in client coordinates; the copy starts where the visible part does.
    copyLeft = shown.left - origin.x;
    copyTop = shown.top - origin.y;
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    memoryDc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memoryDc == nullptr || bitmap == nullptr) {
        release();
        return false;
    }
    previousBitmap = SelectObject(memoryDc, bitmap);
    HDC screenDc = GetDC(nullptr);
    const bool copied = screenDc != nullptr && BitBlt(memoryDc, 0, 0, width, height, screenDc,
                                                      shown.left, shown.top, SRCCOPY);
    if (screenDc != nullptr) {
        ReleaseDC(nullptr, screenDc);
    }
    GdiFlush();
    if (!copied) {
        release();
        return false;
    }
    pixels = static_cast<const std::uint32_t*>(bits);
    copyWidth = width;
    copyHeight = height;
    return true;
}

// A 32-bit DIB pixel is B, G, R, unused in memory: 0x00RRGGBB as a little-endian word.
std::uint32_t PanelCapture::rgb(int x, int y) const {
    const auto row = static_cast<std::size_t>(y - copyTop);
    const auto column = static_cast<std::size_t>(x - copyLeft);
    return pixels[row * static_cast<std::size_t>(copyWidth) + column] & 0x00FFFFFFu;
}
