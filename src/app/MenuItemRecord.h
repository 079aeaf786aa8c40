#pragma once
// What the owner-drawn popup menu keeps per item, and how an item is measured and drawn from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr std::uint32_t kItemSeparator = 0x800;  // MFT_SEPARATOR
inline constexpr std::uint32_t kItemWholeFrame = 0x20;  // MFT_MENUBARBREAK: About and Exit
inline constexpr int kMenuRecordCapacity = 19;

struct MenuItemRecord {
    std::int32_t TextLength = 0;  // bytes in the ANSI code page
    std::string Text;             // "&" marks the mnemonic; empty for separators
    std::uint32_t ItemType = 0;   // the type the item was added with
};

struct MenuItemSize {
    int width;
    int height;
};

// textWidth: the caption's extent in the menu font; menuHeight: the system's menu bar height.
MenuItemSize MeasureMenuItem(const MenuItemRecord& record, int textWidth, int menuHeight);

struct ItemBox {
    int left, top, right, bottom;
    bool operator==(const ItemBox&) const = default;
};

// FlatTop: a one-pixel line along the box's top in the menu text colour.
enum class ItemEdge { RaisedInner, SunkenOuter, EtchedTop, FlatTop };

struct ItemStroke {
    ItemBox box;
    ItemEdge edge;
    bool operator==(const ItemStroke&) const = default;
};

enum class ItemText { Normal, Selected, Greyed };

struct MenuItemLook {
    std::optional<ItemBox> highlight;  // filled with the highlight colour over the menu colour
    ItemBox textBox;                   // where the caption goes, vertically centred
    ItemText text;                     // its colour
    std::vector<ItemStroke> strokes;   // drawn after the caption, in order
};

// A greyed item (its target is missing) is never drawn selected. In high contrast the 3-D frames, whose shades
// the menu colours do not include, give way to flat fills and lines.
MenuItemLook LookOfMenuItem(const MenuItemRecord& record, bool selected, bool greyed, ItemBox item,
                            bool highContrast = false);
