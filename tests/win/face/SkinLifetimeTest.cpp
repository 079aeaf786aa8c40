#include "face/FaceFixture.h"
#include "face/clsDrawTime.h"

#include <vector>

namespace {

using SkinLifetime = FaceFixture;

// Applying skins over and over, file skins and built-in ones in turn, leaves no GDI object behind.
TEST_F(SkinLifetime, ManyAppliesLeaveNoGdiObjectBehind) {
    WriteFile("wide.bmp", SolidBmp(150, 40, RGB(10, 20, 30)));
    SaveSetting(settings::BmpTime, "absent.bmp");
    clsDrawTime drawer;
    const auto applyOnce = [&](int i) {
        SaveSetting(settings::BmpBack, i % 2 ? "wide.bmp" : "Default");
        LoadSkin();
        ShapeWindowFromBitmap(window, hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
        drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    };
    applyOnce(0);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<HGDIOBJ> replaced;
    for (int i = 1; i <= 1000; ++i) {
        if (i % 100 == 0)
            for (HGDIOBJ object : {static_cast<HGDIOBJ>(hBackDC.get()), static_cast<HGDIOBJ>(hBackDC.bitmap()),
                                   static_cast<HGDIOBJ>(hTimeDC.get()), static_cast<HGDIOBJ>(hTimeDC.bitmap())})
                replaced.push_back(object);
        applyOnce(i);
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    // The count above may read 0 where the platform does not keep one; the replaced objects must be gone anyway.
    for (HGDIOBJ object : replaced) EXPECT_EQ(GetObjectType(object), 0u) << object;
    EXPECT_NE(GetObjectType(hBackDC.bitmap()), 0u);
}

// The DCs own their bitmaps, and a DC going away puts its own bitmap back before it is deleted.
TEST_F(SkinLifetime, DCsOwnTheirBitmapsFromTheHandOver) {
    LoadSkin();
    EXPECT_FALSE(hBackBmp);
    EXPECT_FALSE(hTimeBmp);
    const HBITMAP held = hBackDC.bitmap();
    EXPECT_EQ(GetCurrentObject(hBackDC, OBJ_BITMAP), held);
    // Without a fresh load the DCs stay as they are.
    CreateSkinDCs(window);
    EXPECT_EQ(hBackDC.bitmap(), held);
    EXPECT_EQ(GetObjectType(held), static_cast<DWORD>(OBJ_BITMAP));
}

}  // namespace
