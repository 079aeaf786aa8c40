#include "ClockHarness.h"
#include "system/PublicFunction.h"

#include <fstream>

namespace {

class ClockMenuTest : public ClockTest {
protected:
    ClockWindow clock;
};

TEST_F(ClockMenuTest, EveryItemIsOwnerDrawnAndMeasuredInTheMenuFont) {
    const HMENU menu = ClockMenu.hMenu(), help = GetSubMenu(menu, 11);
    ASSERT_EQ(std::pair(GetMenuItemCount(menu), GetMenuItemCount(help)), std::pair(15, 2));
    NONCLIENTMETRICSA metrics{sizeof metrics};
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HDC dc = GetDC(clock.hwnd());
    const HGDIOBJ windowFont = SelectObject(dc, CreateFontIndirectA(&metrics.lfMenuFont));
    for (int p = 0; p < 17; ++p) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        GetMenuItemInfoA(p < 15 ? menu : help, p % 15, TRUE, &info);
        const std::string caption = ClockMenu.Item(int(info.dwItemData)).Text;
        EXPECT_EQ(info.fType, UINT(MFT_OWNERDRAW)) << caption;
        // As wide as the caption in the menu font and its mark column, as high as a menu bar; separators are thin.
        SIZE extent{};
        GetTextExtentPoint32A(dc, caption.c_str(), int(caption.size()), &extent);
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, info.dwItemData};
        SendMessageA(clock.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        EXPECT_EQ(std::pair(int(measure.itemWidth), int(measure.itemHeight)),
                  std::pair(int(extent.cx) + 19, caption.empty() ? 6 : GetSystemMetrics(SM_CYMENU)))
            << caption;
    }
    DeleteObject(SelectObject(dc, windowFont));
    ReleaseDC(clock.hwnd(), dc);
}

TEST_F(ClockMenuTest, SelectionIsHighlightedInsideItsFramesAndGreyedItemsAreNeverSelected) {
    constexpr int width = 120, height = 18;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF menu = GetSysColor(COLOR_MENU), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = GetSysColor(COLOR_BTNSHADOW), marked = GetSysColor(COLOR_HIGHLIGHT);
    const struct {
        const char* name;
        ULONG_PTR record;
        UINT state;
        COLORREF atX[6];  // in the middle row at x 0, 18, 19, 20, 21 and the right edge
        int caption;      // the colour the caption is drawn in, or -1 for none
    } cases[] = {
        {"Option", 2, 0, {menu, menu, menu, menu, menu, menu}, COLOR_MENUTEXT},
        {"selected Option", 2, ODS_SELECTED, {light, dark, menu, dark, marked, light}, COLOR_HIGHLIGHTTEXT},
        {"selected Exit", 16, ODS_SELECTED, {dark, marked, marked, marked, marked, light}, COLOR_HIGHLIGHTTEXT},
        {"selected greyed Horolink",
         4,
         ODS_SELECTED | ODS_GRAYED,
         {menu, menu, menu, menu, menu, menu},
         COLOR_GRAYTEXT},
        {"hovered separator", 1, ODS_SELECTED, {menu, menu, menu, menu, menu, menu}, -1},
    };
    for (const auto& c : cases) {
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOWTEXT));
        DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, ODA_DRAWENTIRE, c.state, nullptr, dc, all, c.record};
        SendMessageA(clock.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        const int xs[] = {0, 18, 19, 20, 21, width - 1};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(GetPixel(dc, xs[i], height / 2), c.atX[i]) << c.name << " at x " << xs[i];
        int captionPixels = 0;
        for (int x = 23; x < width - 1; ++x)
            for (int y = 1; y < height - 1; ++y)
                captionPixels += c.caption >= 0 && GetPixel(dc, x, y) == GetSysColor(c.caption);
        EXPECT_EQ(captionPixels > 0, c.caption >= 0) << c.name;
        EXPECT_TRUE(c.record != 1 || (GetPixel(dc, 10, 2) == dark && GetPixel(dc, 10, 3) == light)) << "etched line";
    }
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// The sibling program and the help are greyed while their files are missing beside the program; the commands that
// start something go through the shell, shown normally.
TEST_F(ClockMenuTest, CommandsWhoseFilesAreMissingAreGreyedAndTheOthersOpenShown) {
    const std::string files[] = {ProgramFolder() + "\\Horolink.exe", ProgramFolder() + "\\help.chm"};
    const auto greyed = [this] {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
        clock.Send(WM_RBUTTONUP);
        KillTimer(nullptr, timer);
        std::string states;
        for (const UINT id : {6u, 17u})
            states += GetMenuState(ClockMenu.hMenu(), id, MF_BYCOMMAND) & MF_GRAYED ? "G" : "-";
        return states;
    };
    for (const std::string& file : files) DeleteFileA(file.c_str());
    EXPECT_EQ(greyed(), "GG");
    std::ofstream(files[0]).put('x');
    EXPECT_EQ(greyed(), "-G");
    std::ofstream(files[1]).put('x');
    EXPECT_EQ(greyed(), "--");
    for (const std::string& file : files) DeleteFileA(file.c_str());
    const std::pair<WPARAM, std::string> launches[] = {
        {6, "ShellExecute Open|" + files[0] + "|(null)|(null)|1"},
        {17, "HtmlHelp " + files[1] + "|0"},
        {18, "ShellExecute Open|http://www.tollwick.com/|(null)|(null)|1"},
    };
    for (const auto& [command, call] : launches) {
        clock.recorder.clear();
        clock.Send(WM_COMMAND, command);
        EXPECT_EQ(clock.recorder.calls(), std::vector{call}) << "command " << command;
    }
}

}  // namespace
