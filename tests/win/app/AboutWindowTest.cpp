#include "app/AboutWindow.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A picture read back pixel by pixel.
class Picture {
public:
    explicit Picture(HBITMAP bitmap)
        : bitmap_(bitmap), dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, bitmap_)) {}
    ~Picture() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    SIZE size() const {
        BITMAP info{};
        GetObjectA(bitmap_, sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ previous_;
};

// On a monitor of twice the scale the picture doubles pixel for pixel and the window fits it, from the corner the
// system suggests; back at 96 DPI it is the picture itself again. A click on it closes the window.
TEST(About, ThePictureGrowsByWholeMultiplesOnAMoveAndAClickCloses) {
    ShowForm4();
    const HWND about = Form4Window();
    ASSERT_TRUE(about);
    const HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT));
    auto original = std::make_unique<Picture>(loaded);
    for (const int multiple : {2, 1}) {
        RECT suggested{40, 30, 41, 31}, client, window;
        SendMessageA(about, WM_DPICHANGED, MAKEWPARAM(96 * multiple, 96 * multiple), LPARAM(&suggested));
        const Picture shown(reinterpret_cast<HBITMAP>(SendDlgItemMessageA(about, 1, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        EXPECT_EQ(std::pair(shown.size().cx, shown.size().cy), std::pair(280L * multiple, 185L * multiple));
        GetClientRect(about, &client), GetWindowRect(about, &window);
        EXPECT_EQ(std::tuple(client.right, client.bottom, window.left, window.top),
                  std::tuple(280L * multiple, 185L * multiple, 40L, 30L));
        for (const POINT p : {POINT{0, 0}, POINT{101, 57}, POINT{279, 184}, POINT{140, 92}})
            for (const POINT in : {POINT{0, 0}, POINT{multiple - 1, multiple - 1}})
                EXPECT_EQ(shown.at(p.x * multiple + in.x, p.y * multiple + in.y), original->at(p.x, p.y))
                    << p.x << "," << p.y << " at " << multiple << "x";
    }
    original.reset();
    DeleteObject(loaded);
    SendMessageA(about, WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), LPARAM(GetDlgItem(about, 1)));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(Form4Window(), nullptr);
}

}  // namespace
