#include "ClockHarness.h"

#include <gtest/gtest.h>

namespace {

class ClockMenuTest : public testing::Test {
protected:
    void SetUp() override { ForgetClockSettings(); }
    ClockWindow clock;
};

struct ItemFacts {
    UINT id;
    ULONG_PTR data;  // the record the item draws from
    const char* caption;
};

MENUITEMINFOA ReadItem(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info;
}

TEST_F(ClockMenuTest, EveryItemIsOwnerDrawnFromItsRecord) {
    const ItemFacts main[] = {
        {1, 0, "Minimized(&M)"}, {2, 1, ""},  {3, 2, "Option(&O)..."},         {4, 3, ""},
        {6, 4, "Horolink Clock(&I)..."},      {7, 5, "Calendar(&W)..."},       {8, 6, ""},
        {9, 7, "Alarm Setting(&R)..."},       {10, 8, ""},                     {11, 9, "Time setting(&S)..."},
        {12, 10, ""}, {13, 11, "Help(&H)"},   {14, 14, "About(&A)..."},        {15, 15, ""},
        {5, 16, "Exit(&X)"},
    };
    const ItemFacts help[] = {{17, 12, "Help Content(&C)"}, {18, 13, "Website(&H)"}};
    const HMENU menu = ClockMenu.hMenu();
    ASSERT_EQ(GetMenuItemCount(menu), 15);
    ASSERT_EQ(ClockMenu.ItemCount(), 17);
    const auto check = [](HMENU in, int position, const ItemFacts& expected) {
        const MENUITEMINFOA info = ReadItem(in, position);
        EXPECT_EQ(info.wID, expected.id) << expected.caption;
        EXPECT_EQ(info.fType, UINT(MFT_OWNERDRAW)) << expected.caption;
        ASSERT_EQ(info.dwItemData, expected.data) << expected.caption;
        const MenuItemRecord& record = ClockMenu.Item(int(info.dwItemData));
        EXPECT_EQ(record.Text, expected.caption);
        EXPECT_EQ(record.TextLength, int(std::string(expected.caption).size())) << expected.caption;
        const std::string caption = expected.caption;
        const UINT type = caption.empty() ? MFT_SEPARATOR : (caption == "About(&A)..." || caption == "Exit(&X)") ? 0x20 : 0;
        EXPECT_EQ(record.ItemType, type) << expected.caption;
    };
    for (int p = 0; p < 15; ++p) check(menu, p, main[p]);
    const HMENU sub = ReadItem(menu, 11).hSubMenu;
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(GetMenuItemCount(sub), 2);
    for (int p = 0; p < 2; ++p) check(sub, p, help[p]);
}

MEASUREITEMSTRUCT Measure(HWND hwnd, ULONG_PTR record) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, record};
    SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return measure;
}

int TextWidthOnWindowDc(HWND hwnd, const std::string& text) {
    const HDC dc = GetDC(hwnd);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    ReleaseDC(hwnd, dc);
    return extent.cx;
}

TEST_F(ClockMenuTest, MeasuresCaptionsWithTheWindowFont) {
    for (int record = 0; record < ClockMenu.ItemCount(); ++record) {
        const std::string text = ClockMenu.Item(record).Text;
        const MEASUREITEMSTRUCT measure = Measure(clock.hwnd(), record);
        EXPECT_EQ(int(measure.itemWidth), TextWidthOnWindowDc(clock.hwnd(), text) + 19) << text;
        EXPECT_EQ(int(measure.itemHeight), text.empty() ? 6 : GetSystemMetrics(SM_CYMENU)) << text;
    }
    MEASUREITEMSTRUCT button{ODT_BUTTON, 0, 0, 77, 66, 0};
    SendMessageA(clock.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.itemWidth, 77u) << "only menu items are measured";
}

TEST_F(ClockMenuTest, ResumeCaptionIsMeasuredAndSendsCommandZero) {
    ClockMenu.SetMenuText(0, "Resume(&M)", 0);
    EXPECT_EQ(GetMenuItemID(ClockMenu.hMenu(), 0), 0u);
    EXPECT_EQ(int(Measure(clock.hwnd(), 0).itemWidth), TextWidthOnWindowDc(clock.hwnd(), "Resume(&M)") + 19);
}

// Draws one item on a memory DC prefilled with a colour no system colour has, then reads pixels back.
class ItemPainting {
public:
    ItemPainting() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        const HBRUSH sentinel = CreateSolidBrush(kSentinel);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_, &all, sentinel);
        DeleteObject(sentinel);
    }
    ~ItemPainting() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    void Draw(HWND hwnd, ULONG_PTR record, bool selected) {
        DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, ODA_DRAWENTIRE, UINT(selected ? ODS_SELECTED : 0), nullptr, dc_,
                            {0, 0, kWidth, kHeight}, record};
        SendMessageA(hwnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

    static constexpr int kWidth = 120;
    static constexpr int kHeight = 18;
    static constexpr COLORREF kSentinel = RGB(1, 2, 3);

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST_F(ClockMenuTest, SelectionFramesAndSeparatorLines) {
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF none = ItemPainting::kSentinel;
    constexpr int mid = ItemPainting::kHeight / 2;
    constexpr int right = ItemPainting::kWidth - 1;
    const struct {
        const char* name;
        ULONG_PTR record;
        bool selected;
        // pixels in the middle row at x 0, 18, 19, 20 and the right edge
        COLORREF left, markRight, gap, textLeft, edge;
    } cases[] = {
        {"Option", 2, false, menu, menu, menu, menu, menu},
        {"selected Option", 2, true, light, dark, none, dark, light},
        {"selected Help Content", 12, true, light, dark, none, dark, light},
        {"selected About", 14, true, dark, none, none, none, light},
        {"selected Exit", 16, true, dark, none, none, none, light},
        {"hovered separator", 1, true, menu, menu, menu, menu, menu},
    };
    for (const auto& c : cases) {
        ItemPainting painting;
        painting.Draw(clock.hwnd(), c.record, c.selected);
        EXPECT_EQ(painting.At(0, mid), c.left) << c.name;
        EXPECT_EQ(painting.At(18, mid), c.markRight) << c.name;
        EXPECT_EQ(painting.At(19, mid), c.gap) << c.name;
        EXPECT_EQ(painting.At(20, mid), c.textLeft) << c.name;
        EXPECT_EQ(painting.At(right, mid), c.edge) << c.name;
    }
    ItemPainting separator;
    separator.Draw(clock.hwnd(), 1, false);
    EXPECT_EQ(separator.At(2, 2), menu) << "the line starts at x 3";
    EXPECT_EQ(separator.At(10, 2), dark) << "etched line, dark half";
    EXPECT_EQ(separator.At(10, 3), light) << "etched line, light half";
    EXPECT_EQ(separator.At(10, 5), menu);
}

}  // namespace
