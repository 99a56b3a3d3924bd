#include "panel_capture.h"

PanelCapture::~PanelCapture() {
    release();
}

void PanelCapture::release() {
    if (memoryDc_ != nullptr) {
        SelectObject(memoryDc_, previous_);
        DeleteDC(memoryDc_);
        memoryDc_ = nullptr;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    bits_ = nullptr;
    width_ = height_ = 0;
}

// Under Wine a window's own device context cannot be read from another process (and
// PrintWindow draws nothing there), so the panel is read from the screen at its place,
// which is also exactly what the user sees.
bool PanelCapture::capture(HWND window) {
    release();
    RECT client{};
    POINT origin{0, 0};
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0 ||
        !ClientToScreen(window, &origin)) {
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    memoryDc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memoryDc_ == nullptr || bitmap_ == nullptr) {
        release();
        return false;
    }
    previous_ = SelectObject(memoryDc_, bitmap_);
    HDC screenDc = GetDC(nullptr);
    const bool copied = screenDc != nullptr && BitBlt(memoryDc_, 0, 0, client.right, client.bottom,
                                                      screenDc, origin.x, origin.y, SRCCOPY);
    if (screenDc != nullptr) {
        ReleaseDC(nullptr, screenDc);
    }
    GdiFlush();
    if (!copied) {
        release();
        return false;
    }
    bits_ = static_cast<const std::uint32_t*>(bits);
    width_ = client.right;
    height_ = client.bottom;
    return true;
}

// A 32-bit DIB pixel is B, G, R, unused in memory: 0x00RRGGBB as a little-endian word.
std::uint32_t PanelCapture::rgb(int x, int y) const {
    return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)] &
           0x00FFFFFFu;
}
