#include "pixel_commands.h"

#include <cstring>

#include "panel_capture.h"

namespace {

constexpr std::int64_t maxRectanglePixels = 65536;

bool captureGraphicsPanel(ProbeSession& session, JsonWriter& json, PanelCapture* capture) {
    if (!needWindows(session, json)) {
        return false;
    }
    if (session.windows().graphicsPanel == nullptr) {
        answerError(json, "the graphics panel was not found");
        return false;
    }
    if (!capture->capture(session.windows().graphicsPanel)) {
        answerError(json, "the panel could not be copied");
        return false;
    }
    return true;
}

}  // namespace

void panelSizeCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return;
    }
    RECT client{};
    if (session.windows().graphicsPanel == nullptr ||
        !GetClientRect(session.windows().graphicsPanel, &client)) {
        answerError(json, "the graphics panel was not found");
        return;
    }
    answerOk(json);
    json.field("width", std::int64_t{client.right}).field("height", std::int64_t{client.bottom});
}

// pixels X Y W H: a rectangle, row by row, as one hexadecimal text of RRGGBB.
void pixelsCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (!words.integer(1, 0, 100000, &x) || !words.integer(2, 0, 100000, &y) ||
        !words.integer(3, 1, 100000, &width) || !words.integer(4, 1, 100000, &height) ||
        width * height > maxRectanglePixels) {
        answerError(json, "pixels needs x y width height, at most 65536 pixels");
        return;
    }
    static PanelCapture capture;
    if (!captureGraphicsPanel(session, json, &capture)) {
        return;
    }
    if (!capture.contains(static_cast<int>(x), static_cast<int>(y)) ||
        !capture.contains(static_cast<int>(x + width - 1), static_cast<int>(y + height - 1))) {
        answerError(json, "the rectangle is not all visible in the panel");
        return;
    }
    static char hex[maxRectanglePixels * 6 + 1];
    std::size_t length = 0;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            char color[8];
            colorText(capture.rgb(static_cast<int>(x) + column, static_cast<int>(y) + row), color);
            std::memcpy(hex + length, color + 1, 6);
            length += 6;
        }
    }
    hex[length] = 0;
    answerOk(json);
    json.field("width", width).field("height", height).field("rgb", hex);
}
