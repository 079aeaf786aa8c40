#include "ClockHarness.h"

#include <gtest/gtest.h>

namespace {

class ClockMenuTest : public testing::Test {
protected:
    void SetUp() override { ForgetClockSettings(); }
    ClockWindow clock;
};

MENUITEMINFOA ReadItem(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info;
}

int MeasuredWidth(HWND hwnd, ULONG_PTR record, UINT* height = nullptr) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, record};
    SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    if (height) *height = measure.itemHeight;
    return int(measure.itemWidth);
}

int TextWidth(HWND hwnd, const std::string& text) {
    const HDC dc = GetDC(hwnd);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    ReleaseDC(hwnd, dc);
    return extent.cx;
}

TEST_F(ClockMenuTest, EveryItemIsOwnerDrawnAndMeasuredFromItsRecord) {
    // Position by position: the command id, the record index and its caption.
    const struct {
        UINT id;
        ULONG_PTR record;
        const char* caption;
    } main[] = {{1, 0, "Minimized(&M)"},
                {2, 1, ""},
                {3, 2, "Option(&O)..."},
                {4, 3, ""},
                {6, 4, "Horolink Clock(&I)..."},
                {7, 5, "Calendar(&W)..."},
                {8, 6, ""},
                {9, 7, "Alarm Setting(&R)..."},
                {10, 8, ""},
                {11, 9, "Time setting(&S)..."},
                {12, 10, ""},
                {13, 11, "Help(&H)"},
                {14, 14, "About(&A)..."},
                {15, 15, ""},
                {5, 16, "Exit(&X)"},
                {17, 12, "Help Content(&C)"},
                {18, 13, "Website(&H)"}};
    const HMENU menu = ClockMenu.hMenu();
    const HMENU help = ReadItem(menu, 11).hSubMenu;
    ASSERT_EQ(GetMenuItemCount(menu), 15);
    ASSERT_EQ(GetMenuItemCount(help), 2);
    ASSERT_EQ(ClockMenu.ItemCount(), 17);
    for (int p = 0; p < 17; ++p) {
        const auto& expected = main[p];
        const MENUITEMINFOA info = ReadItem(p < 15 ? menu : help, p < 15 ? p : p - 15);
        EXPECT_EQ(info.wID, expected.id) << expected.caption;
        EXPECT_EQ(info.fType, UINT(MFT_OWNERDRAW)) << expected.caption;
        ASSERT_EQ(info.dwItemData, expected.record) << expected.caption;
        const MenuItemRecord& record = ClockMenu.Item(int(info.dwItemData));
        const std::string caption = expected.caption;
        EXPECT_EQ(record.Text, caption);
        EXPECT_EQ(record.TextLength, int(caption.size())) << caption;
        const bool whole = caption == "About(&A)..." || caption == "Exit(&X)";
        EXPECT_EQ(record.ItemType, caption.empty() ? 0x800u : whole ? 0x20u : 0u) << caption;
        UINT height = 0;
        EXPECT_EQ(MeasuredWidth(clock.hwnd(), info.dwItemData, &height), TextWidth(clock.hwnd(), caption) + 19)
            << caption;
        EXPECT_EQ(int(height), caption.empty() ? 6 : GetSystemMetrics(SM_CYMENU)) << caption;
    }
    ClockMenu.SetMenuText(0, "Resume(&M)", 0);
    EXPECT_EQ(GetMenuItemID(menu, 0), 0u);
    EXPECT_EQ(MeasuredWidth(clock.hwnd(), 0), TextWidth(clock.hwnd(), "Resume(&M)") + 19);
}

TEST_F(ClockMenuTest, SelectionFramesAndSeparatorLines) {
    constexpr int width = 120, height = 18, mid = height / 2;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF menu = GetSysColor(COLOR_MENU), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = GetSysColor(COLOR_BTNSHADOW), none = RGB(1, 2, 3);  // a colour no system colour has
    const struct {
        const char* name;
        ULONG_PTR record;
        bool selected;
        COLORREF atX[5];  // in the middle row at x 0, 18, 19, 20 and the right edge
    } cases[] = {
        {"Option", 2, false, {menu, menu, menu, menu, menu}},
        {"selected Option", 2, true, {light, dark, none, dark, light}},
        {"selected Website", 13, true, {light, dark, none, dark, light}},
        {"selected About", 14, true, {dark, none, none, none, light}},
        {"selected Exit", 16, true, {dark, none, none, none, light}},
        {"hovered separator", 1, true, {menu, menu, menu, menu, menu}},
    };
    for (const auto& c : cases) {
        const HBRUSH sentinel = CreateSolidBrush(none);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, sentinel);
        DeleteObject(sentinel);
        DRAWITEMSTRUCT draw{ODT_MENU, 0,  0,   ODA_DRAWENTIRE, UINT(c.selected ? ODS_SELECTED : 0),
                            nullptr,  dc, all, c.record};
        SendMessageA(clock.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        const int xs[] = {0, 18, 19, 20, width - 1};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(GetPixel(dc, xs[i], mid), c.atX[i]) << c.name << " at x " << xs[i];
        if (c.record == 1) {  // the etched line: from x 3, dark over light, at rows 2 and 3
            EXPECT_EQ(GetPixel(dc, 2, 2), menu);
            EXPECT_EQ(GetPixel(dc, 10, 2), dark);
            EXPECT_EQ(GetPixel(dc, 10, 3), light);
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
