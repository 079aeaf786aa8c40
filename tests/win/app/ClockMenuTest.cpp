#include "ClockHarness.h"

namespace {

class ClockMenuTest : public ClockTest {
protected:
    ClockWindow clock;
};

TEST_F(ClockMenuTest, EveryItemIsOwnerDrawnWithItsCommandAndCaption) {
    const HMENU menu = ClockMenu.hMenu(), help = GetSubMenu(menu, 11);
    ASSERT_EQ(std::pair(GetMenuItemCount(menu), GetMenuItemCount(help)), std::pair(15, 2));
    const HDC dc = GetDC(clock.hwnd());
    std::string ids, captions;
    for (int p = 0; p < 17; ++p) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA;
        GetMenuItemInfoA(p < 15 ? menu : help, p % 15, TRUE, &info);
        const std::string caption = ClockMenu.Item(int(info.dwItemData)).Text;
        ids += std::to_string(info.wID) + " ";
        captions += caption + "|";
        EXPECT_EQ(info.fType, UINT(MFT_OWNERDRAW)) << caption;
        // As wide as the caption and its mark column, as high as a menu bar; separators are thin.
        SIZE extent{};
        GetTextExtentPoint32A(dc, caption.c_str(), int(caption.size()), &extent);
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, info.dwItemData};
        SendMessageA(clock.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        EXPECT_EQ(std::pair(int(measure.itemWidth), int(measure.itemHeight)),
                  std::pair(int(extent.cx) + 19, caption.empty() ? 6 : GetSystemMetrics(SM_CYMENU)))
            << caption;
    }
    ReleaseDC(clock.hwnd(), dc);
    // Position by position, the last two in the Help submenu.
    EXPECT_EQ(ids, "1 2 3 4 6 7 8 9 10 11 12 13 14 15 5 17 18 ");
    EXPECT_EQ(captions,
              "Minimized(&M)||Option(&O)...||Horolink Clock(&I)...|Calendar(&W)...||Alarm Setting(&R)...||"
              "Time setting(&S)...||Help(&H)|About(&A)...||Exit(&X)|Help Content(&C)|Website(&H)|");
}

TEST_F(ClockMenuTest, SelectionFramesSeparatorLinesAndReadableCaptions) {
    constexpr int width = 120, height = 18;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF menu = GetSysColor(COLOR_MENU), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = GetSysColor(COLOR_BTNSHADOW), text = GetSysColor(COLOR_MENUTEXT),
                   none = RGB(1, 2, 3);  // a colour no system colour has
    const HBRUSH sentinel = CreateSolidBrush(none);
    const struct {
        const char* name;
        ULONG_PTR record;
        bool selected;
        COLORREF atX[5];  // in the middle row at x 0, 18, 19, 20 and the right edge
    } cases[] = {
        {"Option", 2, false, {menu, menu, menu, menu, menu}},
        {"selected Option", 2, true, {light, dark, none, dark, light}},
        {"selected Exit", 16, true, {dark, none, none, none, light}},
        {"hovered separator", 1, true, {menu, menu, menu, menu, menu}},
    };
    for (const auto& c : cases) {
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, sentinel);
        DRAWITEMSTRUCT draw{ODT_MENU, 0,  0,   ODA_DRAWENTIRE, UINT(c.selected ? ODS_SELECTED : 0),
                            nullptr,  dc, all, c.record};
        SendMessageA(clock.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        const int xs[] = {0, 18, 19, 20, width - 1};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(GetPixel(dc, xs[i], height / 2), c.atX[i]) << c.name << " at x " << xs[i];
        int captionPixels = 0;  // inside the frames, so only the caption can have the menu text colour
        for (int x = 23; x < width - 1; ++x)
            for (int y = 1; y < height - 1; ++y) captionPixels += GetPixel(dc, x, y) == text;
        EXPECT_EQ(captionPixels > 0, c.record != 1) << c.name;
        EXPECT_TRUE(c.record != 1 || (GetPixel(dc, 10, 2) == dark && GetPixel(dc, 10, 3) == light)) << "etched line";
    }
    DeleteObject(sentinel);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

}  // namespace
