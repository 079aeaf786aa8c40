// Applying a 200 x 200 skin: outline and time place from one pixel read and one region call, against one
// GetPixel per pixel and one CombineRgn per run.
#include "../Bench.h"
#include "face/clsDrawTime.h"
#include "face/frmRegion.h"
#include "support/PerPixelShape.h"
#include "support/SyntheticBackground.h"

#include <cstdio>

namespace {

// A plate with rounded corners on a transparent field and a black time panel: rows of one run each.
COLORREF RoundedPlate(int x, int y) {
    const int dx = x < 20 ? 20 - x : (x > 179 ? x - 179 : 0);
    const int dy = y < 20 ? 20 - y : (y > 179 ? y - 179 : 0);
    if (dx * dx + dy * dy > 400) return RGB(255, 0, 0);
    if (x >= 45 && x < 155 && y >= 80 && y < 105) return RGB(0, 0, 0);
    return RGB(90 + x / 3, 100 + y / 4, 120);
}

// The same plate pierced by a scatter of transparent holes: rows split into several runs that no neighbouring row
// shares, the hard case for building a region.
COLORREF PiercedPlate(int x, int y) { return (x * 13 + y * 7) % 97 == 0 ? RGB(255, 0, 0) : RoundedPlate(x, y); }

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SkinApplyBench";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, "SkinApplyBench", "bench", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    constexpr int Runs = 15;
    std::printf(
        "200 x 200 backgrounds, median of %d runs; baseline one GetPixel per pixel and one CombineRgn per run,"
        " candidate one GetDIBits and one ExtCreateRegion\n",
        Runs);
    const struct {
        const char* name;
        COLORREF (*colourAt)(int, int);
    } backgrounds[] = {{"rounded plate", RoundedPlate}, {"pierced plate", PiercedPlate}};
    for (const auto& [name, colourAt] : backgrounds) {
        const SkinDC background = SyntheticBackground(200, 200, colourAt);
        const double slowRegion = bench::MedianMicros(Runs, [&] { PerPixelShape(window, background, 200, 200); });
        const double fastRegion =
            bench::MedianMicros(Runs, [&] { ShapeWindowFromBitmap(window, background, 200, 200); });
        const double slowPlace = bench::MedianMicros(Runs, [&] { PerPixelTimePos(background, 200, 200); });
        clsDrawTime drawer;
        const double fastPlace = bench::MedianMicros(Runs, [&] { drawer.PaintTimePos(background, 200, 200); });
        std::printf("%s:\n", name);
        bench::Report("  outline (ShapeWindowFromBitmap)", slowRegion, fastRegion);
        bench::Report("  time place (PaintTimePos)", slowPlace, fastPlace);
        bench::Report("  skin apply (both)", slowRegion + slowPlace, fastRegion + fastPlace);
    }
    DestroyWindow(window);
    return 0;
}
