#include "app/clsMenu.h"

#include "system/DeviceContexts.h"
#include "system/Seams.h"
#include "system/WindowDpi.h"

#include <string>

namespace {

MENUITEMINFOA ItemInfo(UINT mask, UINT ID, std::string& text, UINT fType, UINT fState, HMENU subMenu) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.fType = fType;
    info.fState = fState;
    info.wID = ID;
    info.hSubMenu = subMenu;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    return info;
}

RECT ToRect(const ItemBox& box) { return {box.left, box.top, box.right, box.bottom}; }

void DrawStroke(HDC dc, const ItemStroke& stroke) {
    RECT rect = ToRect(stroke.box);
    switch (stroke.edge) {
        case ItemEdge::RaisedInner:
            DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
            break;
        case ItemEdge::SunkenOuter:
            DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
            break;
        case ItemEdge::EtchedTop:
            DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
            break;
        case ItemEdge::FlatTop:
            rect.bottom = rect.top + 1;
            FillRect(dc, &rect, GetSysColorBrush(COLOR_MENUTEXT));
            break;
    }
}

COLORREF TextColour(ItemText text) {
    switch (text) {
        case ItemText::Selected:
            return GetSysColor(COLOR_HIGHLIGHTTEXT);
        case ItemText::Greyed:
            return GetSysColor(COLOR_GRAYTEXT);
        default:
            return GetSysColor(COLOR_MENUTEXT);
    }
}

// The system keeps the sizes owner-drawn items measured until an item changes: setting each item's type again
// makes the menu ask for them anew, in the font of the new scale.
void ForgetItemSizes(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoA(menu, position, TRUE, &info)) SetMenuItemInfoA(menu, position, TRUE, &info);
        if (const HMENU sub = GetSubMenu(menu, position)) ForgetItemSizes(sub);
    }
}

}  // namespace

int clsMenu::CreatePopMenu() {
    menu_.reset(CreatePopupMenu());
    // At the screen's DPI until the menu opens from a window.
    FitFont(nullptr);
    return 0;
}

HMENU clsMenu::CreatePopSubMenu() { return CreatePopupMenu(); }

void clsMenu::AddMenuItem(UINT ID, std::string_view mnuText, UINT fType, UINT fState, bool subMenu, HMENU lngSubhMenu) {
    std::string text(mnuText);
    const MENUITEMINFOA info = ItemInfo(MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE, ID, text, fType,
                                        fState, subMenu ? lngSubhMenu : nullptr);
    InsertMenuItemA(menu_.get(), ID, FALSE, &info);
}

void clsMenu::AddSubMenu(std::string_view mnuText, UINT SubMenuID, UINT fType, UINT fState, HMENU lngSubhMenu) {
    std::string text(mnuText);
    const MENUITEMINFOA info =
        ItemInfo(MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE, SubMenuID, text, fType, fState, nullptr);
    InsertMenuItemA(lngSubhMenu, SubMenuID, FALSE, &info);
}

void clsMenu::OnCreate() {
    Items_ = {};
    const int count = GetMenuItemCount(menu_.get());
    for (int position = 0; position < count; ++position) {
        MakeOwnerDraw(menu_.get(), position);
        if (const HMENU sub = GetSubMenu(menu_.get(), position)) {
            const int subCount = GetMenuItemCount(sub);
            for (int inner = 0; inner < subCount; ++inner) MakeOwnerDraw(sub, inner);
        }
    }
}

void clsMenu::MakeOwnerDraw(HMENU menu, UINT position) {
    if (ItemCount_ >= kMenuRecordCapacity) return;
    char caption[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_TYPE | MIIM_DATA;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    GetMenuItemInfoA(menu, position, TRUE, &info);

    MenuItemRecord& record = Items_[ItemCount_];
    record.ItemType = info.fType;
    record.Text = caption;
    record.TextLength = static_cast<std::int32_t>(info.cch);

    // The caption stays with the item: screen readers name owner-drawn items by it.
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA;
    info.dwItemData = static_cast<ULONG_PTR>(ItemCount_++);
    info.fType = MFT_OWNERDRAW;
    SetMenuItemInfoA(menu, position, TRUE, &info);
}

void clsMenu::OnMeasureItem(HWND hwnd, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType != ODT_MENU || measure->itemData >= kMenuRecordCapacity) return;
    const MenuItemRecord& record = Items_[measure->itemData];
    FitFont(hwnd);
    SIZE extent{};
    {
        const WindowDC dc(hwnd);
        const SelectedObject font(dc, font_.get());
        GetTextExtentPoint32A(dc, record.Text.c_str(), record.TextLength, &extent);
    }
    const MenuItemSize size = MeasureMenuItem(record, extent.cx, SystemMetricForDpi(SM_CYMENU, fontDpi_));
    measure->itemWidth = static_cast<UINT>(size.width);
    measure->itemHeight = static_cast<UINT>(size.height);
}

void clsMenu::OnDrawItem(LPARAM lParam) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU || draw->itemData >= kMenuRecordCapacity) return;
    const MenuItemRecord& record = Items_[draw->itemData];
    const RECT& item = draw->rcItem;
    const MenuItemLook look = LookOfMenuItem(record, draw->itemState & ODS_SELECTED, draw->itemState & ODS_GRAYED,
                                             {item.left, item.top, item.right, item.bottom}, seams.HighContrastOn());

    const HDC dc = draw->hDC;
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &item, GetSysColorBrush(COLOR_MENU));
    if (look.highlight) {
        const RECT highlight = ToRect(*look.highlight);
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    const COLORREF previousColour = SetTextColor(dc, TextColour(look.text));
    RECT textRect = ToRect(look.textBox);
    {
        SelectedObject font(dc, font_.get());
        DrawTextA(dc, record.Text.c_str(), record.TextLength, &textRect, DT_SINGLELINE | DT_VCENTER);
    }
    SetTextColor(dc, previousColour);
    for (const ItemStroke& stroke : look.strokes) DrawStroke(dc, stroke);
}

// The menu shows at the scale of the window it opens from.
void clsMenu::FitFont(HWND hwnd) {
    if (const int dpi = WindowDpi(hwnd); !font_ || dpi != fontDpi_) {
        font_.reset(CreateMenuFontForDpi(dpi));
        fontDpi_ = dpi;
    }
}

void clsMenu::PopMenu(HWND hwnd) {
    const int measuredAt = fontDpi_;
    FitFont(hwnd);
    if (fontDpi_ != measuredAt) ForgetItemSizes(menu_.get());
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the foreground, a menu opened from the tray icon would not close on a click elsewhere.
    SetForegroundWindow(hwnd);
    TrackPopupMenu(menu_.get(), 0, cursor.x, cursor.y, 0, hwnd, nullptr);
    PostMessageA(hwnd, WM_NULL, 0, 0);
}

void clsMenu::SetItemGreyed(UINT ID, bool greyed) {
    EnableMenuItem(menu_.get(), ID, MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
}

void clsMenu::SetMenuText(UINT uItem, std::string_view mnuText, UINT uID) {
    std::string text(mnuText);
    const MENUITEMINFOA info = ItemInfo(MIIM_ID | MIIM_STRING, uID, text, 0, 0, nullptr);
    SetMenuItemInfoA(menu_.get(), uItem, TRUE, &info);
    if (uItem >= kMenuRecordCapacity) return;
    Items_[uItem].Text = std::string(mnuText);
    Items_[uItem].TextLength = static_cast<std::int32_t>(mnuText.size());
}
