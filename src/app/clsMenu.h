#pragma once
// The clock's popup menu: every item owner-drawn in the system's menu colours with small 3-D frames.
#include "app/MenuItemRecord.h"
#include "system/HandleGuards.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string_view>

class clsMenu {
public:
    // Creates the (empty) popup menu; always 0.
    int CreatePopMenu();
    // A new empty popup menu, to be handed to AddMenuItem as a submenu; not kept here.
    HMENU CreatePopSubMenu();
    void AddSubMenu(std::string_view mnuText, UINT SubMenuID, UINT fType, UINT fState, HMENU lngSubhMenu);
    void AddMenuItem(UINT ID, std::string_view mnuText, UINT fType, UINT fState = 0, bool subMenu = false,
                     HMENU lngSubhMenu = nullptr);
    // Turns every item, submenus included, into an owner-drawn one; once, after the last item.
    void OnCreate();
    void OnMeasureItem(HWND hwnd, LPARAM lParam);
    void OnDrawItem(LPARAM lParam);
    // Shows the menu at the cursor; the choice comes to hwnd as WM_COMMAND.
    void PopMenu(HWND hwnd);
    void SetMenuText(UINT uItem, std::string_view mnuText, UINT uID);
    // A greyed item is drawn in the grey text colour and cannot be chosen.
    void SetItemGreyed(UINT ID, bool greyed);

    HMENU hMenu() const { return menu_.get(); }
    int ItemCount() const { return ItemCount_; }
    const MenuItemRecord& Item(int index) const { return Items_[index]; }

private:
    void MakeOwnerDraw(HMENU menu, UINT position);
    void FitFont(HWND hwnd);

    MenuHandle menu_;
    // The system's menu font at the DPI of the window the menu last opened from: items are measured and drawn in it.
    GdiFont font_;
    int fontDpi_ = 0;
    std::int32_t ItemCount_ = 0;
    std::array<MenuItemRecord, kMenuRecordCapacity> Items_{};
};
