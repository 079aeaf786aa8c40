#include "app/MenuItemRecord.h"

namespace {
constexpr int kMarkWidth = 19;
constexpr int kSeparatorHeight = 6;
}  // namespace

MenuItemSize MeasureMenuItem(const MenuItemRecord& record, int textWidth, int menuHeight) {
    return {textWidth + kMarkWidth, record.ItemType == kItemSeparator ? kSeparatorHeight : menuHeight};
}

MenuItemLook LookOfMenuItem(const MenuItemRecord& record, bool selected, bool greyed, ItemBox item, bool highContrast) {
    ItemBox markBox = item;
    markBox.right = kMarkWidth;
    ItemBox frameBox = item;
    frameBox.left = 20;
    ItemBox textBox = item;
    textBox.left = 23;

    // A separator has no caption, so hovering it shows no frame. The frames alone vanish on a light menu: the
    // selection is the highlight colour inside them.
    const bool drawnSelected = selected && !greyed && !record.Text.empty();
    MenuItemLook look{std::nullopt, textBox, greyed ? ItemText::Greyed : ItemText::Normal, {}};
    if (drawnSelected) {
        look.text = ItemText::Selected;
        if (highContrast) {
            look.highlight = item;
        } else if (record.ItemType & kItemWholeFrame) {
            look.highlight = item;
            look.strokes.push_back({item, ItemEdge::SunkenOuter});
        } else {
            look.highlight = frameBox;
            look.strokes.push_back({markBox, ItemEdge::RaisedInner});
            look.strokes.push_back({frameBox, ItemEdge::SunkenOuter});
        }
    }
    if (record.ItemType & kItemSeparator)
        look.strokes.push_back(
            {{3, item.top + 2, item.right - 3, 0}, highContrast ? ItemEdge::FlatTop : ItemEdge::EtchedTop});
    return look;
}
