#include "face/FaceFixture.h"
#include "face/clsDrawTime.h"
#include "support/PerPixelShape.h"
#include "support/SyntheticBackground.h"

#include <functional>

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Steel = RGB(120, 128, 140);

using SameAsPerPixel = FaceFixture;

// The outline and the time place from one pixel read must equal the per-pixel method's on every background.
TEST_F(SameAsPerPixel, RegionAndTimePlaceMatchOnOddBackgrounds) {
    LoadSkin();
    const struct {
        const char* name;
        int width, height;
        std::function<COLORREF(int, int)> colourAt;
    } cases[] = {
        {"notched frame", 120, 38,
         [](int x, int y) {
             if ((x < 2 || x > 117) && (y < 2 || y > 35)) return Red;
             return x >= 5 && x < 115 && y >= 7 && y < 32 ? RGB(0, 0, 0) : Steel;
         }},
        // The top-left pixel is part of the picture: its colour drops out wherever it occurs.
        {"opaque top-left", 150, 40,
         [](int x, int y) { return (x * 7 + y * 3) % 11 == 0 ? Steel : RGB(x, y * 5, 90); }},
        {"one colour", 130, 30, [](int, int) { return Steel; }},
        {"several black areas", 200, 200,
         [](int x, int y) {
             if (x < 3 || y < 3) return Red;
             const bool first = x >= 10 && x < 80 && y >= 20 && y < 45;
             const bool second = x >= 90 && x < 170 && y >= 120 && y < 150;
             const bool third = x >= 30 && x < 150 && y >= 160 && y < 190 && (x + y) % 4;
             return first || second || third ? RGB(0, 0, 0) : RGB(60 + x / 2, 60, 200 - y / 2);
         }},
        {"speckled", 177, 61, [](int x, int y) { return ((x * 31) ^ (y * 17)) % 5 ? Steel : Red; }},
        {"built-in", SkinBitmap.bmWidth, SkinBitmap.bmHeight, nullptr},
    };
    const HWND reference = CreateWindowExA(0, "FaceTestWindow", "ref", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(reference, nullptr);
    for (const auto& c : cases) {
        SkinDC synthetic;
        if (c.colourAt) synthetic = SyntheticBackground(c.width, c.height, c.colourAt);
        const HDC background = c.colourAt ? synthetic.get() : hBackDC.get();

        ShapeWindowFromBitmap(window, background, c.width, c.height);
        PerPixelShape(reference, background, c.width, c.height);
        GdiRegion fast(CreateRectRgn(0, 0, 0, 0));
        GdiRegion slow(CreateRectRgn(0, 0, 0, 0));
        const int fastKind = GetWindowRgn(window, fast);
        const int slowKind = GetWindowRgn(reference, slow);
        EXPECT_EQ(fastKind, slowKind) << c.name;
        if (fastKind != ERROR && slowKind != ERROR) {
            EXPECT_TRUE(EqualRgn(fast, slow)) << c.name;
        }

        clsDrawTime drawer;
        drawer.PaintTimePos(background, c.width, c.height);
        const auto expected = PerPixelTimePos(background, c.width, c.height).value_or(POINT{0, 0});
        EXPECT_EQ(drawer.ReLeft(), expected.x) << c.name;
        EXPECT_EQ(drawer.ReTop(), expected.y) << c.name;
    }
    DestroyWindow(reference);
}

// A background without black keeps the place the previous skin gave.
TEST_F(SameAsPerPixel, BackgroundWithoutBlackKeepsThePlace) {
    LoadSkin();
    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    const SkinDC plain = SyntheticBackground(140, 50, [](int, int) { return Steel; });
    drawer.PaintTimePos(plain, 140, 50);
    EXPECT_EQ(drawer.ReLeft(), 5);
    EXPECT_EQ(drawer.ReTop(), 7);
}

}  // namespace
