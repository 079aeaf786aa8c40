#include "app/MenuItemRecord.h"

namespace {
constexpr int kMarkWidth = 19;
constexpr int kSeparatorHeight = 6;
}  // namespace

MenuItemSize MeasureMenuItem(const MenuItemRecord& record, int textWidth, int menuHeight) {
    return {textWidth + kMarkWidth, record.ItemType == kItemSeparator ? kSeparatorHeight : menuHeight};
}

MenuItemLook LookOfMenuItem(const MenuItemRecord& record, bool selected, ItemBox item) {
    ItemBox markBox = item;
    markBox.right = kMarkWidth;
    ItemBox frameBox = item;
    frameBox.left = 20;
    ItemBox textBox = item;
    textBox.left = 23;

    // A separator has no caption, so hovering it shows no frame.
    const bool drawnSelected = selected && !record.Text.empty();
    MenuItemLook look{!drawnSelected, textBox, {}};
    if (drawnSelected) {
        if (record.ItemType & kItemWholeFrame) {
            look.strokes.push_back({item, ItemEdge::SunkenOuter});
        } else {
            look.strokes.push_back({markBox, ItemEdge::RaisedInner});
            look.strokes.push_back({frameBox, ItemEdge::SunkenOuter});
        }
    }
    if (record.ItemType & kItemSeparator)
        look.strokes.push_back({{3, item.top + 2, item.right - 3, 0}, ItemEdge::EtchedTop});
    return look;
}
