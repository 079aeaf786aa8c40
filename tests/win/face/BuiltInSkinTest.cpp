#include "face/FaceFixture.h"
#include "face/TimeLayout.h"
#include "face/clsDrawTime.h"

namespace {

using BuiltInSkin = FaceFixture;

TEST_F(BuiltInSkin, NotchedCornersAndTheTimeAtFiveSeven) {
    LoadSkin();
    ASSERT_EQ(SkinBitmap.bmWidth, 120);
    ASSERT_EQ(SkinBitmap.bmHeight, 38);
    ASSERT_NE(ShapeWindowFromBitmap(window, hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight), 0);
    GdiRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    for (const POINT p : {POINT{0, 0}, POINT{119, 0}, POINT{0, 37}, POINT{119, 37}, POINT{120, 20}})
        EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
    for (const POINT p : {POINT{4, 4}, POINT{60, 0}, POINT{0, 19}, POINT{115, 33}, POINT{119, 19}})
        EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;

    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    EXPECT_EQ(drawer.ReLeft(), 5);
    EXPECT_EQ(drawer.ReTop(), 7);
}

// Draws onto a copy of the background and compares the time area with the strip, pixel by pixel.
TEST_F(BuiltInSkin, PaintedTimeShowsTheStripsGlyphs) {
    LoadSkin();
    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    SkinDC canvas(hBackDC, GdiBitmap(CreateCompatibleBitmap(hBackDC, 120, 38)));
    const struct {
        const char* text;
        int sourceX[6];  // the strip column each place starts from; place 5 is 15 wide, the others 16
    } cases[] = {{"21:05:07", {30, 15, 0, 75, 0, 105}}, {"9:05:07", {158, 135, 0, 75, 0, 105}}};
    constexpr int placeX[] = {0, 16, 40, 56, 80, 95};
    for (const auto& c : cases) {
        BitBlt(canvas, 0, 0, 120, 38, hBackDC, 0, 0, SRCCOPY);
        drawer.DrawTime(canvas, hTimeDC, c.text);
        for (int y = 0; y < GlyphHeight; ++y) {
            for (int place = 0; place < 6; ++place)
                for (int x = 0; x < (place == 4 ? 15 : 16); ++x)
                    ASSERT_EQ(GetPixel(canvas, 5 + placeX[place] + x, 7 + y),
                              GetPixel(hTimeDC, c.sourceX[place] + x, y))
                        << c.text << " place " << place + 1 << " at " << x << "," << y;
            for (int colonX : {32, 72})
                for (int x = 0; x < 8; ++x)
                    ASSERT_EQ(GetPixel(canvas, 5 + colonX + x, 7 + y), GetPixel(hTimeDC, 151 + x, y)) << c.text;
        }
    }
}

}  // namespace
