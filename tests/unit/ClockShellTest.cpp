#include "app/MenuItemRecord.h"
#include "app/PathParts.h"
#include "app/ScreenCentre.h"
#include "app/TickSchedule.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockPlacement, CentresWithHalvesToTheEvenPixel) {
    const struct {
        int right, bottom, width, height, x, y;
    } cases[] = {
        {1024, 768, 120, 38, 452, 365},  // the built-in skin
        {1024, 768, 121, 38, 452, 365},  // 451.5
        {1024, 768, 123, 39, 450, 364},  // 450.5 and 364.5
        {1024, 768, 125, 37, 450, 366},  // 449.5 and 365.5
        {100, 100, 200, 103, -50, -2},   // larger than the desktop: -1.5 goes to -2
    };
    for (const auto& c : cases) {
        const ScreenPoint origin = CentredOrigin(c.right, c.bottom, c.width, c.height);
        EXPECT_EQ(origin.x, c.x) << c.width << " wide on " << c.right;
        EXPECT_EQ(origin.y, c.y) << c.height << " high on " << c.bottom;
    }
}

TEST(PathParts, SplitAtTheLastBackslash) {
    const struct {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"C:\\Apps\\run.exe", "run.exe", "C:\\Apps\\"},
        {"run.exe", "run.exe", ""},
        {"C:\\Apps\\", "", "C:\\Apps\\"},
        {"\\\\server\\share\\a b\\x.wav", "x.wav", "\\\\server\\share\\a b\\"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    }
}

TEST(ClockTick, EveryDelayLandsJustPastTheNextSecond) {
    for (int ms = 0; ms < 1000; ++ms) {
        const int landing = ms + NextTickDelay(ms);
        EXPECT_GT(landing, 1000) << "from ms " << ms;
        EXPECT_LE(landing, 1000 + kTickMarginMs) << "from ms " << ms;
    }
    EXPECT_EQ(NextTickDelay(-5), NextTickDelay(0));
    EXPECT_EQ(NextTickDelay(1500), NextTickDelay(0));
}

TEST(MenuItemRecord, SelectionFramesFollowTheItemKind) {
    const ItemBox item{0, 40, 150, 59};
    const ItemStroke etched{{3, 42, 147, 0}, ItemEdge::EtchedTop};
    const struct {
        const char* name;
        MenuItemRecord record;
        bool selected;
        bool filled;
        std::vector<ItemStroke> strokes;
    } cases[] = {
        {"plain item", {13, "Option(&O)...", 0}, false, true, {}},
        {"selected plain item",
         {13, "Option(&O)...", 0},
         true,
         false,
         {{{0, 40, 19, 59}, ItemEdge::RaisedInner}, {{20, 40, 150, 59}, ItemEdge::SunkenOuter}}},
        {"selected About", {12, "About(&A)...", kItemWholeFrame}, true, false, {{item, ItemEdge::SunkenOuter}}},
        {"hovered separator", {0, "", kItemSeparator}, true, true, {etched}},
    };
    for (const auto& c : cases) {
        const MenuItemLook look = LookOfMenuItem(c.record, c.selected, item);
        EXPECT_EQ(look.fillBackground, c.filled) << c.name;
        EXPECT_EQ(look.highlightText, !c.filled) << c.name;
        EXPECT_EQ(look.strokes, c.strokes) << c.name;
        EXPECT_EQ(look.textBox, (ItemBox{23, 40, 150, 59})) << c.name;
    }
}

}  // namespace
