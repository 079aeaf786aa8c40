#include "face/FaceFixture.h"
#include "face/clsDrawTime.h"

namespace {

using SkinLifetime = FaceFixture;

// Applying file skins and built-in ones in turn a thousand times leaves no GDI object behind. Where the platform
// keeps no count (Wine reports 0) the objects each apply replaced must be gone all the same.
TEST_F(SkinLifetime, ManyAppliesLeaveNoGdiObjectBehind) {
    WriteSkinFile("wide.bmp", SolidBmp(150, 40, RGB(10, 20, 30)));
    clsDrawTime drawer;
    std::vector<HGDIOBJ> replaced;
    DWORD before = 0;
    for (int i = 0; i <= 1000; ++i) {
        if (i == 1) before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        if (i % 100 == 1)
            replaced.insert(replaced.end(), {hBackDC.get(), hBackDC.bitmap(), hTimeDC.get(), hTimeDC.bitmap()});
        SaveSetting(settings::BmpBack, i % 2 ? "wide.bmp" : "Default");
        LoadSkin();
        ShapeWindowFromBitmap(window, hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
        drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    for (HGDIOBJ object : replaced) EXPECT_EQ(GetObjectType(object), 0u) << object;
    // The DCs hold their bitmaps, and stay as they are when nothing new was loaded.
    const HBITMAP current = hBackDC.bitmap();
    EXPECT_EQ(GetCurrentObject(hBackDC, OBJ_BITMAP), current);
    CreateSkinDCs(window);
    EXPECT_EQ(hBackDC.bitmap(), current);
}

}  // namespace
