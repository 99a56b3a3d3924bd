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
        return x >= copyLeft && y >= copyTop && x < copyLeft + copyWidth &&
               y < copyTop + copyHeight;
    }
    // 0x00RRGGBB of a client pixel inside the copy.
    std::uint32_t rgb(int x, int y) const;

private:
    void release();

    HDC memoryDc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    const std::uint32_t* pixels = nullptr;
    int copyLeft = 0;
    int copyTop = 0;
    int copyWidth = 0;
    int copyHeight = 0;
};
