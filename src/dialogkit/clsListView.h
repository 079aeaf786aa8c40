#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "dialogkit/ControlHandles.h"

// The members take the names of the commctrl.h macros they stand for.
#undef ListView_InsertColumn
#undef ListView_SetExtendedListViewStyleEx
#undef ListView_InsertItem
#undef ListView_SetItemText
#undef ListView_SetItem
#undef ListView_GetItem
#undef ListView_GetItemText
#undef ListView_SetItemState
#undef ListView_SetBkColor
#undef ListView_SetTextBkColor
#undef ListView_DeleteItem
#undef ListView_GetItemCount
#undef ListView_GetNextItem
#undef ListView_GetItemState

// A report-style list with check boxes. The operations that take a handle address that window; the others
// address the one made by CreateListView.
class clsListView {
public:
    clsListView();
    void CreateListView(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, DWORD Style = 0);
    bool ListView_InsertColumn(HWND hwnd, int iCol, const std::string& ColumnText, int mnWidth) const;
    // Grid lines, check boxes and full-row selection are always on.
    void ListView_SetExtendedListViewStyleEx(DWORD dwExStyle) const;
    // The check box state image is bits 12 to 15 of State.
    void ListView_InsertItem(HWND hwnd, int i, const std::string& ItemText, UINT State) const;
    void ListView_SetItemText(HWND hwnd, int i, int iSubItem, const std::string& pszText) const;
    void ListView_SetItem(int i, const std::string& strItemText) const;
    std::string ListView_GetItem(int i) const;
    // At most 27 characters.
    std::string ListView_GetItemText(int i, int iSubItem) const;
    // Applies to every item.
    void ListView_SetItemState(UINT sta, UINT staMask) const;
    void ListView_SetBkColor(HWND hwnd, COLORREF clrBk) const;
    bool ListView_SetTextBkColor(COLORREF clrText) const;
    bool ListView_DeleteItem(int iItem) const;
    long ListView_GetItemCount() const;
    // The first selected item, -1 when none is.
    long ListView_GetNextItem() const;
    UINT ListView_GetItemState(int i) const;
    HWND hwnd() const { return handle_.get(); }

private:
    LRESULT Send(UINT message, WPARAM wParam, const void* lParam) const;
    SingleHandle handle_;
};
