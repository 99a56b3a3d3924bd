#pragma once
// A copy of what a panel shows on the screen, as the user sees it, read back pixel by
// pixel. A window in front of the panel (the About box) is in the copy too.

#include <windows.h>

#include <cstdint>

class PanelCapture {
public:
    PanelCapture() = default;
    ~PanelCapture();
    PanelCapture(const PanelCapture&) = delete;
    PanelCapture& operator=(const PanelCapture&) = delete;

    // Copies the window's client area from the screen.
    bool capture(HWND window);
    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // 0x00RRGGBB of a pixel inside the capture.
    std::uint32_t rgb(int x, int y) const;

private:
    void release();

    HDC memoryDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
