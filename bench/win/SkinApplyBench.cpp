// Applying a 200 x 200 skin: outline and time place from one pixel read and one region call, against one
// GetPixel per pixel and one CombineRgn per run.
#include "../Bench.h"
#include "PerPixelShape.h"
#include "SyntheticBackground.h"
#include "face/clsDrawTime.h"
#include "face/frmRegion.h"

#include <algorithm>
#include <cstdio>
#include <vector>

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
    constexpr int Runs = 21;
    std::printf(
        "200 x 200 backgrounds, medians of %d interleaved runs; baseline one GetPixel per pixel and one CombineRgn"
        " per run, candidate one GetDIBits and one ExtCreateRegion\n",
        Runs);
    const struct {
        const char* name;
        COLORREF (*colourAt)(int, int);
    } backgrounds[] = {{"rounded plate", RoundedPlate}, {"pierced plate", PiercedPlate}};
    for (const auto& [name, colourAt] : backgrounds) {
        const SkinDC background = SyntheticBackground(200, 200, colourAt);
        const GdiRegion outline(PerPixelRegion(background, 200, 200));
        clsDrawTime drawer;
        // Interleaved, so a machine that slows down during the run slows both methods alike.
        std::vector<double> slowOutline, fastOutline, slowPlace, fastPlace, slowApply, fastApply, setRegion;
        for (int run = 0; run < Runs; ++run) {
            slowOutline.push_back(bench::MedianMicros(1, [&] { PerPixelShape(window, background, 200, 200); }));
            slowPlace.push_back(bench::MedianMicros(1, [&] { PerPixelTimePos(background, 200, 200); }));
            fastOutline.push_back(bench::MedianMicros(1, [&] { ShapeWindowFromBitmap(window, background, 200, 200); }));
            fastPlace.push_back(bench::MedianMicros(1, [&] { drawer.PaintTimePos(background, 200, 200); }));
            slowApply.push_back(slowOutline.back() + slowPlace.back());
            fastApply.push_back(fastOutline.back() + fastPlace.back());
            // The part both outlines share: handing a finished region to the window.
            setRegion.push_back(bench::MedianMicros(1, [&] {
                const HRGN copy = CreateRectRgn(0, 0, 0, 0);
                CombineRgn(copy, outline, nullptr, RGN_COPY);
                SetWindowRgn(window, copy, TRUE);
            }));
        }
        const auto median = [](const std::vector<double>& sample) { return bench::Percentile(sample, 0.5); };
        std::printf("%s:\n", name);
        bench::Report("  outline (ShapeWindowFromBitmap)", median(slowOutline), median(fastOutline));
        bench::Report("  time place (PaintTimePos)", median(slowPlace), median(fastPlace));
        bench::Report("  skin apply (both)", median(slowApply), median(fastApply));
        std::printf("  of each outline, SetWindowRgn alone takes %.1f us; without it the outline ratio is %.2fx\n",
                    median(setRegion),
                    (median(slowOutline) - median(setRegion)) / std::max(1.0, median(fastOutline) - median(setRegion)));
    }
    DestroyWindow(window);
    return 0;
}
