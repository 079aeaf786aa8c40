#include "face/FaceFixture.h"
#include "face/TimeLayout.h"
#include "face/clsDrawTime.h"

#include <vector>

namespace {

using BuiltInSkin = FaceFixture;

TEST_F(BuiltInSkin, LoadsWithNotchedCornersAndTheTimeAtFiveSeven) {
    LoadSkin();
    ASSERT_EQ(SkinBitmap.bmWidth, 120);
    ASSERT_EQ(SkinBitmap.bmHeight, 38);
    ASSERT_TRUE(hBackDC);
    ASSERT_TRUE(hTimeDC);
    ASSERT_NE(ShapeWindowFromBitmap(window, hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight), 0);

    GdiRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    for (const POINT corner : {POINT{0, 0}, POINT{119, 0}, POINT{0, 37}, POINT{119, 37}})
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    for (const POINT inner : {POINT{3, 3}, POINT{60, 0}, POINT{0, 19}, POINT{116, 34}, POINT{60, 19}})
        EXPECT_TRUE(PtInRegion(region, inner.x, inner.y)) << inner.x << "," << inner.y;

    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    EXPECT_EQ(drawer.ReLeft(), 5);
    EXPECT_EQ(drawer.ReTop(), 7);
}

// Paints the background and the time into a copy, then checks every pixel of the time area against the strip.
TEST_F(BuiltInSkin, PaintedTimeShowsTheStripsGlyphs) {
    LoadSkin();
    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    const HDC screen = GetDC(window);
    SkinDC canvas(screen, GdiBitmap(CreateCompatibleBitmap(screen, SkinBitmap.bmWidth, SkinBitmap.bmHeight)));
    ReleaseDC(window, screen);

    // Each place of the time area and the strip column it must show, written out for two texts.
    const struct {
        const char* text;
        std::vector<GlyphCopy> places;
    } cases[] = {
        {"21:05:07",
         {{0, 30, 16},
          {16, 15, 16},
          {32, 151, 8},
          {40, 0, 16},
          {56, 75, 16},
          {72, 151, 8},
          {80, 0, 15},
          {95, 105, 16}}},
        {"9:05:07",
         {{0, 158, 16},
          {16, 135, 16},
          {32, 151, 8},
          {40, 0, 16},
          {56, 75, 16},
          {72, 151, 8},
          {80, 0, 15},
          {95, 105, 16}}},
    };
    for (const auto& c : cases) {
        BitBlt(canvas, 0, 0, SkinBitmap.bmWidth, SkinBitmap.bmHeight, hBackDC, 0, 0, SRCCOPY);
        drawer.DrawTime(canvas, hTimeDC, c.text);
        for (const GlyphCopy& place : c.places)
            for (int y = 0; y < GlyphHeight; ++y)
                for (int x = 0; x < place.width; ++x)
                    ASSERT_EQ(GetPixel(canvas, 5 + place.destX + x, 7 + y), GetPixel(hTimeDC, place.sourceX + x, y))
                        << c.text << " at " << place.destX + x << "," << y;
        // Outside the time area the background is untouched.
        EXPECT_EQ(GetPixel(canvas, 4, 7), GetPixel(hBackDC, 4, 7)) << c.text;
        EXPECT_EQ(GetPixel(canvas, 116, 20), GetPixel(hBackDC, 116, 20)) << c.text;
        EXPECT_EQ(GetPixel(canvas, 50, 32), GetPixel(hBackDC, 50, 32)) << c.text;
    }
}

}  // namespace
