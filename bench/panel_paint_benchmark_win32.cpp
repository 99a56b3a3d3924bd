// How long one paint of the graphics panel takes with the real GDI (or
// Wine's): the display list built from the receiver state and executed into a
// memory bitmap of the panel's size, copied to a window, as the panel paints.
// Two states: the one a recording leaves (a realistic epoch) and every table
// full. Run under Wine on a display:
//
//   wine panel_paint_benchmark.exe RECORDING SKY.BMP [PAINTS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "replay_session.h"
#include "ui/panel_display_list.h"
#include "ui/panel_painter_win32.h"

namespace {

constexpr int panelWidth = 994;
constexpr int panelHeight = 756;

struct Canvas {
    HWND window;
    PanelGdiObjects gdi;
    PanelDisplayList list;
};

void paintOnce(Canvas& canvas, const ReceiverState& state) {
    const HDC screen = GetDC(canvas.window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, panelWidth, panelHeight);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    SetBkMode(memory, TRANSPARENT);
    PanelInputs inputs;
    inputs.width = panelWidth;
    inputs.height = panelHeight;
    buildPanelDisplayList(state, inputs, &canvas.list);
    paintDisplayList(memory, canvas.list, canvas.gdi);
    BitBlt(screen, 0, 0, panelWidth, panelHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(canvas.window, screen);
}

double millisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void measure(const char* name, Canvas& canvas, const ReceiverState& state, int paints) {
    std::vector<double> times;
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < paints; ++i) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        paintOnce(canvas, state);
        times.push_back(millisecondsSince(start));
    }
    GdiFlush();
    const DWORD objectsAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::sort(times.begin(), times.end());
    std::printf(
        "%-10s %4zu operations  median %.2f ms  p90 %.2f ms  max %.2f ms  "
        "GDI objects %lu -> %lu\n",
        name, canvas.list.count, times[times.size() / 2], times[times.size() * 9 / 10],
        times.back(), objectsBefore, objectsAfter);
}

int satellitesInView(const ReceiverState& state) {
    int count = 0;
    for (const SatTable& table : state.tables) {
        for (const SatRecord& record : table.records) {
            count += record.inView != 0;
        }
    }
    return count;
}

void fillEveryTable(ReceiverState& state) {
    for (SatTable& table : state.tables) {
        for (int n = 1; n < satTableSize; ++n) {
            SatRecord& record = table.records[n];
            record = {1, static_cast<std::uint8_t>(n % 2), 20 + n % 30, 20 + n % 120, 20 + n % 110,
                      n};
        }
    }
}

int replayInto(const char* path, ReplaySession& session) {
    std::FILE* input = std::fopen(path, "rb");
    if (input == nullptr) {
        return 0;
    }
    static std::uint8_t chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, input)) > 0) {
        session.feed(chunk, got, [] {});
    }
    std::fclose(input);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: panel_paint_benchmark RECORDING SKY.BMP [PAINTS]\n");
        return 2;
    }
    const int paints = argc > 3 ? std::max(1, std::atoi(argv[3])) : 500;
    auto session = std::make_unique<ReplaySession>(100);
    if (!replayInto(argv[1], *session)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    auto canvas = std::make_unique<Canvas>();
    canvas->window = CreateWindowExA(0, "STATIC", "panel", WS_POPUP | WS_VISIBLE, 0, 0, panelWidth,
                                     panelHeight, nullptr, nullptr, nullptr, nullptr);
    canvas->gdi.create();
    std::printf("panel font: %d px character height\n", canvas->gdi.fontPx);
    canvas->gdi.skyBitmap =
        static_cast<HBITMAP>(LoadImageA(nullptr, argv[2], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (canvas->window == nullptr || canvas->gdi.skyBitmap == nullptr) {
        std::fprintf(stderr, "no window or no sky picture\n");
        return 2;
    }
    std::printf("realistic: %d satellites in view after %llu lines\n",
                satellitesInView(session->state),
                static_cast<unsigned long long>(session->lineCount()));
    measure("realistic", *canvas, session->state, paints);
    fillEveryTable(session->state);
    measure("full", *canvas, session->state, paints);
    return 0;
}
