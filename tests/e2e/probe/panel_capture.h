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

    // Copies the visible part of the window's client area from the screen.
    bool capture(HWND window);
    // Whether the client pixel (x, y) was visible and so is in the copy.
    bool contains(int x, int y) const {
        return x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_;
    }
    // 0x00RRGGBB of a client pixel inside the copy.
    std::uint32_t rgb(int x, int y) const;

private:
    void release();

    HDC memoryDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};
