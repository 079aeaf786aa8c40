#include "dialogkit/clsListView.h"

namespace {

constexpr UINT kStateImageMask = 0xFFFFF000;
constexpr DWORD kAlwaysOn = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;

LVITEMA Item(UINT mask, int i, const char* text, UINT state, UINT stateMask) {
    LVITEMA item{};
    item.mask = mask;
    item.iItem = i;
    item.state = state;
    item.stateMask = stateMask;
    item.pszText = const_cast<char*>(text);
    return item;
}

std::string ReadText(HWND list, UINT message, int i, int iSubItem, std::size_t bufferChars, int textMax) {
    std::string buffer(bufferChars, '\0');
    LVITEMA item = Item(LVIF_TEXT, i, buffer.data(), 0, 0);
    item.iSubItem = iSubItem;
    item.cchTextMax = textMax;
    SendMessageA(list, message, i, reinterpret_cast<LPARAM>(&item));
    // The control may point at its own copy of the text instead of filling the buffer.
    const std::string text = item.pszText ? item.pszText : "";
    return text.substr(0, bufferChars - 1);
}

}  // namespace

clsListView::clsListView() { InitCommonControlClasses(ICC_LISTVIEW_CLASSES); }

LRESULT clsListView::Send(UINT message, WPARAM wParam, const void* lParam) const {
    return SendMessageA(handle_.get(), message, wParam, reinterpret_cast<LPARAM>(lParam));
}

void clsListView::CreateListView(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, DWORD Style) {
    handle_.Set(CreateChildControl(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT | Style,
                                   X, Y, nWidth, nHeight, hWndParent, ID));
}

bool clsListView::ListView_InsertColumn(HWND hwnd, int iCol, const std::string& ColumnText, int mnWidth) const {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = mnWidth;
    column.pszText = const_cast<char*>(ColumnText.c_str());
    SendMessageA(hwnd, LVM_INSERTCOLUMNA, iCol, reinterpret_cast<LPARAM>(&column));
    return false;
}

void clsListView::ListView_SetExtendedListViewStyleEx(DWORD dwExStyle) const {
    SendMessageA(handle_.get(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwExStyle | kAlwaysOn);
}

void clsListView::ListView_InsertItem(HWND hwnd, int i, const std::string& ItemText, UINT State) const {
    const LVITEMA item = Item(LVIF_TEXT | LVIF_STATE, i, ItemText.c_str(), State, kStateImageMask);
    SendMessageA(hwnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(hwnd, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
}

void clsListView::ListView_SetItemText(HWND hwnd, int i, int iSubItem, const std::string& pszText) const {
    LVITEMA item = Item(0, 0, pszText.c_str(), 0, 0);
    item.iSubItem = iSubItem;
    SendMessageA(hwnd, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
}

void clsListView::ListView_SetItem(int i, const std::string& strItemText) const {
    const LVITEMA item = Item(LVIF_TEXT | LVIF_STATE, i, strItemText.c_str(), 0, 0);
    Send(LVM_SETITEMA, 0, &item);
}

std::string clsListView::ListView_GetItem(int i) const { return ReadText(handle_.get(), LVM_GETITEMA, i, 0, 260, 256); }

std::string clsListView::ListView_GetItemText(int i, int iSubItem) const {
    return ReadText(handle_.get(), LVM_GETITEMTEXTA, i, iSubItem, 28, 28);
}

void clsListView::ListView_SetItemState(UINT sta, UINT staMask) const {
    const LVITEMA item = Item(LVIF_STATE, 0, nullptr, sta, staMask | kStateImageMask);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), &item);
}

void clsListView::ListView_SetBkColor(HWND hwnd, COLORREF clrBk) const { SendMessageA(hwnd, LVM_SETBKCOLOR, 0, clrBk); }

bool clsListView::ListView_SetTextBkColor(COLORREF clrText) const {
    SendMessageA(handle_.get(), LVM_SETTEXTBKCOLOR, 0, clrText);
    return false;
}

bool clsListView::ListView_DeleteItem(int iItem) const { return Send(LVM_DELETEITEM, iItem, nullptr) != 0; }

long clsListView::ListView_GetItemCount() const { return static_cast<long>(Send(LVM_GETITEMCOUNT, 0, nullptr)); }

long clsListView::ListView_GetNextItem() const {
    return static_cast<long>(SendMessageA(handle_.get(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

UINT clsListView::ListView_GetItemState(int i) const {
    return static_cast<UINT>(SendMessageA(handle_.get(), LVM_GETITEMSTATE, i, kStateImageMask));
}
