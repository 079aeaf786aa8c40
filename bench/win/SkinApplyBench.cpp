// Applying skins. First, the skin shown at 1x, 2x and 3x side by side. Then 200 x 200 backgrounds: outline and time
// place from one pixel read and one region call, against one GetPixel per pixel and one CombineRgn per run. Then a skin
// file through the loader, with the reads of its background's pixels counted. Then checkerboards, the worst outlines
// there are: where the time goes when one is shown exactly, and what the loader does with them now.
#include "../Bench.h"
#include "BitmapFiles.h"
#include "PerPixelShape.h"
#include "SyntheticBackground.h"
#include "face/ClockSize.h"
#include "face/DCPixels.h"
#include "face/PixelScan.h"
#include "face/SkinLoader.h"
#include "face/clsDrawTime.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/ImportSlot.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern "C" void* importGetDIBits asm(IMPORT_SLOT(GetDIBits, 28));

namespace {

// Reads of a bitmap's pixels while it lives: the program's import slot for GetDIBits points at a counting call.
class PixelReads {
public:
    PixelReads() { real = std::exchange(importGetDIBits, reinterpret_cast<void*>(&Counting)), count = 0; }
    ~PixelReads() { importGetDIBits = real; }
    PixelReads(const PixelReads&) = delete;
    PixelReads& operator=(const PixelReads&) = delete;
    int Count() const { return count; }

private:
    static int WINAPI Counting(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
                               UINT usage) {
        const int read = reinterpret_cast<decltype(&::GetDIBits)>(real)(dc, bitmap, start, lines, bits, info, usage);
        count += bits && read > 0;
        return read;
    }
    static inline void* real = nullptr;
    static inline int count = 0;
};

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

// The rounded plate as a user's skin file: 24 bits a pixel, rows bottom-up.
std::string PlateBmp() {
    constexpr int Size = 200, Stride = Size * 3;  // a multiple of four: no row padding
    constexpr DWORD Bytes = Stride * Size, Offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{0x4D42, Offset + Bytes, 0, 0, Offset};
    const BITMAPINFOHEADER info{sizeof info, Size, Size, 1, 24, BI_RGB, Bytes, 0, 0, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = Size - 1; y >= 0; --y)
        for (int x = 0; x < Size; ++x) {
            const COLORREF colour = RoundedPlate(x, y);
            bytes += {char(GetBValue(colour)), char(GetGValue(colour)), char(GetRValue(colour))};
        }
    return bytes;
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A hidden window like the clock's: a layered tool window at the clock's default opacity.
HWND ClockLikeWindow(int width, int height) {
    const HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "SkinApplyBench", "bench", WS_POPUP, 0, 0,
                                        width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetLayeredWindowAttributes(window, 0, 188, LWA_ALPHA);
    return window;
}

double MillisSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <typename Work>
double Millis(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return MillisSince(start);
}

HRGN RegionOf(const std::vector<RowRun>& runs, std::size_t count) {
    std::vector<RECT> storage(2 + count);
    auto* data = reinterpret_cast<RGNDATA*>(storage.data());
    RECT bound{0, 0, 0, 0};
    for (std::size_t i = 0; i < count; ++i) {
        storage[2 + i] = {runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
        UnionRect(&bound, &bound, &storage[2 + i]);
    }
    data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(count), DWORD(count * sizeof(RECT)), bound};
    return ExtCreateRegion(nullptr, DWORD(storage.size() * sizeof(RECT)), data);
}

// Shows the window and paints it, then a tick's repaint of the time area: how long each takes.
std::pair<double, double> ShowAndTick(HWND window) {
    const double shown = Millis([&] {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
        GdiFlush();
    });
    const double tick = Millis([&] {
        const RECT timeArea{5, 7, 115, 32};
        InvalidateRect(window, &timeArea, FALSE);
        UpdateWindow(window);
        GdiFlush();
    });
    ShowWindow(window, SW_HIDE);
    return {shown, tick};
}

// Where the time goes when a checkerboard is shown with its exact outline, as the loader used to allow.
void ExactCheckerboard(const std::string& file, int size) {
    std::printf("%d x %d checkerboard, one run each:\n", size, size);
    HBITMAP loaded = nullptr;
    std::printf("  %-46s %10.1f ms\n", "load (LoadImageA)", Millis([&] {
                    loaded =
                        static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
                }));
    const SkinDC background(nullptr, GdiBitmap(loaded));
    PixelGrid pixels;
    std::vector<RowRun> runs;
    std::printf("  %-46s %10.1f ms\n", "pixel read (GetDIBits)", Millis([&] { pixels = ReadPixels(background); }));
    std::printf("  %-46s %10.1f ms\n", "run collection", Millis([&] { runs = OpaqueRuns(pixels); }));
    std::printf("  %-46s %10.1f ms\n", "time place scan", Millis([&] { FindTimeCorner(pixels); }));
    std::printf("  %-46s %10zu\n", "runs", runs.size());
    std::printf("  %-46s %10zu\n", "region rectangles after merging rows", OutlineRects(runs).size());
    // ExtCreateRegion adds its rectangles one by one, each time through the whole region so far.
    const std::size_t sample = std::min<std::size_t>(runs.size(), 20000);
    HRGN region = nullptr;
    const double build = Millis([&] { region = RegionOf(runs, sample); });
    if (sample == runs.size()) {
        std::printf("  %-46s %10.1f ms\n", "ExtCreateRegion of all runs", build);
        const HWND window = ClockLikeWindow(size, size);
        std::printf("  %-46s %10.1f ms\n", "SetWindowRgn", Millis([&] { SetWindowRgn(window, region, FALSE); }));
        const auto [shown, tick] = ShowAndTick(window);
        std::printf("  %-46s %10.1f ms\n", "show and first paint", shown);
        std::printf("  %-46s %10.1f ms\n", "a tick's repaint of the time area", tick);
        DestroyWindow(window);
    } else {
        const double scale = double(runs.size()) / double(sample);
        std::printf("  %-46s %10.1f ms, so all of them %.0f s\n", "ExtCreateRegion of the first 20000 runs", build,
                    build * scale * scale / 1000);
        DeleteObject(region);
    }
}

// A file through the program's loader, from load to painted window; a refused file shows the message, closed here
// by a timer, and the built-in skin.
int boxes = 0;
void CALLBACK CloseBox(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND box = FindWindowA("#32770", nullptr); box && IsWindowVisible(box)) {
        ++boxes;
        EndDialog(box, IDOK);
    }
}

// The clock's apply of the stored skin: load, size, outline, time place. Returns the reads of pixels it made.
int ApplyStoredSkin(HWND window, clsDrawTime& drawer) {
    const PixelReads reads;
    const Skin skin = LoadSkinBitmaps(window);
    SetWindowPos(window, nullptr, 0, 0, skin.width(), skin.height(), SWP_NOMOVE | SWP_NOZORDER);
    ShapeWindowFromBitmap(window, skin);
    drawer.PaintTimePos(skin.timeCorner());
    return reads.Count();
}

void ThroughTheLoader(const char* name, const std::string& folder, const std::string& file) {
    SaveSetting(settings::SkinPath, folder);
    SaveSetting(settings::BmpBack, file);
    const HWND window = ClockLikeWindow(100, 100);
    clsDrawTime drawer;
    boxes = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseBox);
    const auto start = std::chrono::steady_clock::now();
    const int reads = ApplyStoredSkin(window, drawer);
    const double applied = MillisSince(start);
    KillTimer(nullptr, timer);
    RECT size{};
    GetWindowRect(window, &size);
    const auto [shown, tick] = ShowAndTick(window);
    std::printf("  %-34s %s %3ld x %3ld, applied %7.1f ms (%d pixel reads) + shown %7.1f ms; tick %6.1f ms\n", name,
                boxes ? "refused: " : "accepted:", size.right - size.left, size.bottom - size.top, applied, reads,
                shown, tick);
    DestroyWindow(window);
}

// A skin file a user would have, applied again and again: the median apply and the pixel reads of one.
void TypicalApply(const std::string& folder, const std::string& file) {
    constexpr int Runs = 41;
    SaveSetting(settings::SkinPath, folder);
    SaveSetting(settings::BmpBack, file);
    const HWND window = ClockLikeWindow(100, 100);
    clsDrawTime drawer;
    int reads = 0;
    const double micros = bench::MedianMicros(Runs, [&] { reads = ApplyStoredSkin(window, drawer); });
    std::printf(
        "200 x 200 rounded plate file through the loader, median of %d applies: %.1f us, %d read(s) of the"
        " background's pixels per load\n",
        Runs, micros, reads);
    DestroyWindow(window);
}

void PerPixelAgainstOneRead(HWND window) {
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
        const Skin skin(SyntheticBackground(200, 200, colourAt), GdiBitmap());
        const HDC background = skin.hBackDC();
        const GdiRegion outline(PerPixelRegion(background, 200, 200));
        clsDrawTime drawer;
        // Interleaved, so a machine that slows down during the run slows both methods alike.
        std::vector<double> slowOutline, slowPlace, scan, fastOutline, fastPlace, slowApply, fastApply, setRegion;
        for (int run = 0; run < Runs; ++run) {
            slowOutline.push_back(bench::MedianMicros(1, [&] { PerPixelShape(window, background, 200, 200); }));
            slowPlace.push_back(bench::MedianMicros(1, [&] { PerPixelTimePos(background, 200, 200); }));
            scan.push_back(bench::MedianMicros(1, [&] { ScanBackground(ReadPixels(background)); }));
            fastOutline.push_back(bench::MedianMicros(1, [&] { ShapeWindowFromBitmap(window, skin); }));
            fastPlace.push_back(bench::MedianMicros(1, [&] { drawer.PaintTimePos(skin.timeCorner()); }));
            slowApply.push_back(slowOutline.back() + slowPlace.back());
            fastApply.push_back(scan.back() + fastOutline.back() + fastPlace.back());
            // The part both outlines share: handing a finished region to the window.
            setRegion.push_back(bench::MedianMicros(1, [&] {
                const HRGN copy = CreateRectRgn(0, 0, 0, 0);
                CombineRgn(copy, outline, nullptr, RGN_COPY);
                SetWindowRgn(window, copy, TRUE);
            }));
        }
        const auto median = [](const std::vector<double>& sample) { return bench::Percentile(sample, 0.5); };
        std::printf("%s: the candidate reads the pixels once (%.1f us) for both outline and time place\n", name,
                    median(scan));
        bench::Report("  outline (ShapeWindowFromBitmap)", median(slowOutline), median(fastOutline));
        bench::Report("  time place (PaintTimePos)", median(slowPlace), median(fastPlace));
        bench::Report("  skin apply (read, both)", median(slowApply), median(fastApply));
        std::printf("  of each outline, SetWindowRgn alone takes %.1f us\n", median(setRegion));
    }
}

// The rounded plate shown at 1x, 2x and 3x, in interleaved runs: the whole apply (read, enlarge, size, outline,
// time place), the outline alone, and the two ways to an enlarged outline: scaling the 1x rectangles, or enlarging
// the pixels and scanning them. Each figure beside the pixel count's growth.
void ApplyAtMultiples(HWND window) {
    constexpr int Runs = 21;
    constexpr int Multiples[] = {1, 2, 3};
    const auto strip = [](int x, int) { return x % 15 < 2 ? RGB(0, 0, 0) : RGB(80, 200, 255); };
    Skin skins[3];
    const PixelGrid pixels = ReadPixels(Skin(SyntheticBackground(200, 200, RoundedPlate), GdiBitmap()).hBackDC());
    const BackgroundShape shape = ScanBackground(pixels);
    clsDrawTime drawer;
    std::vector<double> apply[3], outline[3], scaled[3], rescanned[3];
    for (int run = 0; run < Runs; ++run)
        for (int i = 0; i < 3; ++i) {
            const int multiple = Multiples[i];
            Skin& skin = skins[i];
            skin.SetMultiple(multiple);
            GdiBitmap background = SyntheticBackground(200, 200, RoundedPlate);
            GdiBitmap digits = SyntheticBackground(180, 25, strip);
            apply[i].push_back(bench::MedianMicros(1, [&] {
                skin.SetBackground(std::move(background));
                skin.SetTimeStrip(std::move(digits));
                SetWindowPos(window, nullptr, 0, 0, skin.width(), skin.height(), SWP_NOMOVE | SWP_NOZORDER);
                ShapeWindowFromBitmap(window, skin);
                drawer.PaintTimePos(skin.timeCorner(), multiple);
            }));
            outline[i].push_back(bench::MedianMicros(1, [&] { ShapeWindowFromBitmap(window, skin); }));
            scaled[i].push_back(bench::MedianMicros(1, [&] { ScaleShape(shape, multiple); }));
            rescanned[i].push_back(bench::MedianMicros(1, [&] { ScanBackground(ScaleGrid(pixels, multiple)); }));
        }
    const auto median = [](const std::vector<double>& sample) { return bench::Percentile(sample, 0.5); };
    std::printf("200 x 200 rounded plate at whole multiples, medians of %d interleaved runs (%zu outline rectangles)\n",
                Runs, shape.outline.size());
    std::printf("  %-10s %8s %14s %10s %14s %10s %16s %18s\n", "multiple", "pixels", "apply us", "x 1x", "outline us",
                "x 1x", "scale rects us", "enlarge+scan us");
    for (int i = 0; i < 3; ++i)
        std::printf("  %-10d %7dx %14.1f %9.2fx %14.1f %9.2fx %16.1f %18.1f\n", Multiples[i],
                    Multiples[i] * Multiples[i], median(apply[i]), median(apply[i]) / median(apply[0]),
                    median(outline[i]), median(outline[i]) / median(outline[0]), median(scaled[i]),
                    median(rescanned[i]));
}

}  // namespace

// With "typical", only the typical skin file's applies run: runs of two builds can then alternate.
int main(int argc, char** argv) {
    const bool typicalOnly = argc > 1 && std::string(argv[1]) == "typical";
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "SkinApplyBench";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, "SkinApplyBench", "bench", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    if (!typicalOnly) ApplyAtMultiples(window);
    if (!typicalOnly) PerPixelAgainstOneRead(window);
    DestroyWindow(window);

    const std::string folder = (std::filesystem::temp_directory_path() / "skin-bench").string();
    std::filesystem::create_directories(folder);
    const struct {
        const char* name;
        int size, checkerRows;
    } files[] = {{"checker200.bmp", 200, 200},
                 {"checker1000.bmp", 1000, 1000},
                 {"checker200-39rows.bmp", 200, 39},
                 {"checker200-41rows.bmp", 200, 41}};
    for (const auto& file : files)
        std::ofstream(folder + "\\" + file.name, std::ios::binary)
            << CheckerboardBmp(file.size, file.size, file.checkerRows);
    std::ofstream(folder + "\\plate.bmp", std::ios::binary) << PlateBmp();

    // The loader keeps the settings it reads as they were.
    const std::string keptPath = ReadSettingText(settings::SkinPath), keptBack = ReadSettingText(settings::BmpBack);
    if (typicalOnly) {
        TypicalApply(folder, "plate.bmp");
    } else {
        std::printf("\none run each, a layered tool window like the clock's\n");
        ExactCheckerboard(folder + "\\checker200.bmp", 200);
        ExactCheckerboard(folder + "\\checker1000.bmp", 1000);

        TypicalApply(folder, "plate.bmp");
        std::printf("through the loader (LoadSkinBitmaps, outline and time place), then shown:\n");
        ThroughTheLoader("200 x 200 checkerboard", folder, "checker200.bmp");
        ThroughTheLoader("1000 x 1000 checkerboard", folder, "checker1000.bmp");
        ThroughTheLoader("39 rows checkered: 3901 rectangles", folder, "checker200-39rows.bmp");
        ThroughTheLoader("41 rows checkered: 4101 rectangles", folder, "checker200-41rows.bmp");
    }
    for (const auto& [setting, kept] :
         {std::pair(&settings::SkinPath, keptPath), std::pair(&settings::BmpBack, keptBack)})
        kept.empty() ? DeleteSetting(*setting) : void(SaveSetting(*setting, kept));
    std::filesystem::remove_all(folder);
    return 0;
}
