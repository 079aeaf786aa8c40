#include <gtest/gtest.h>

#include "app/MenuItemRecord.h"

namespace {

// How each kind of item is measured and drawn: a greyed item (its target gone) never looks selected, a separator
// shows no frame when hovered, and About and Exit are framed whole where the others frame only their caption.
TEST(MenuItemRecord, SelectionFramesOnlyEnabledCaptionedItemsTheWayTheirKindAsks) {
    const ItemBox item{0, 40, 150, 60};
    const ItemBox mark{0, 40, 19, 60}, frame{20, 40, 150, 60}, text{23, 40, 150, 60};
    const MenuItemRecord plain{6, "&Alarm", 0}, whole{5, "E&xit", kItemWholeFrame}, separator{0, "", kItemSeparator};
    const ItemStroke etched{{3, 42, 147, 0}, ItemEdge::EtchedTop};
    const std::vector<ItemStroke> pressed{{mark, ItemEdge::RaisedInner}, {frame, ItemEdge::SunkenOuter}};
    const struct {
        const char* name;
        const MenuItemRecord& record;
        bool selected, greyed;
        std::optional<ItemBox> highlight;
        ItemText look;
        std::vector<ItemStroke> strokes;
    } cases[] = {
        {"plain", plain, false, false, {}, ItemText::Normal, {}},
        {"plain selected", plain, true, false, frame, ItemText::Selected, pressed},
        {"greyed selected", plain, true, true, {}, ItemText::Greyed, {}},
        {"whole selected", whole, true, false, item, ItemText::Selected, {{item, ItemEdge::SunkenOuter}}},
        {"separator hovered", separator, true, false, {}, ItemText::Normal, {etched}},
    };
    for (const auto& c : cases) {
        const MenuItemLook look = LookOfMenuItem(c.record, c.selected, c.greyed, item);
        EXPECT_EQ(look.highlight, c.highlight) << c.name;
        EXPECT_EQ(look.textBox, text) << c.name;
        EXPECT_EQ(look.text, c.look) << c.name;
        EXPECT_EQ(look.strokes, c.strokes) << c.name;
    }
    // The check mark's column comes before the caption; a separator is a thin line, not a row.
    EXPECT_EQ(MeasureMenuItem(plain, 80, 19).width, 99);
    EXPECT_EQ(MeasureMenuItem(separator, 0, 19).height, 6);
}

}  // namespace
