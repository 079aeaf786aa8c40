#include "forms/AlarmListWindow.h"

#include "alarms/RingList.h"
#include "alarms/RingSound.h"
#include "alarms/RingStore.h"
#include "dialogkit/ControlHandles.h"
#include "forms/AlarmEditor.h"
#include "forms/AlarmListRules.h"
#include "forms/FormWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

using namespace alarm_list;

// Frame1's origin: the controls drawn inside it are children of the form, placed from here.
constexpr int kFrameX = 120;
constexpr int kFrameY = 120;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

const FormControl kLayout[] = {
    {kFrame, "BUTTON", "Alarm Item", BS_GROUPBOX, kFrameX, kFrameY, 6255, 2775},
    {kList, WC_LISTVIEWA, "",
     WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS, kFrameX + 120,
     kFrameY + 240, 4935, 2310, WS_EX_CLIENTEDGE},
    {kAdd, "BUTTON", "Add(&A)...", kButton, kFrameX + 5100, kFrameY + 240, 1060, 360},
    {kModify, "BUTTON", "Modify(&M)", kButton, kFrameX + 5100, kFrameY + 600, 1060, 360},
    {kDelete, "BUTTON", "Delete(&D)", kButton, kFrameX + 5100, kFrameY + 960, 1060, 360},
    {kSelectAll, "BUTTON", "&Select All", kButton, kFrameX + 5100, kFrameY + 1680, 1060, 360},
    {kCancelAll, "BUTTON", "Ca&ncel All", kButton, kFrameX + 5100, kFrameY + 2040, 1060, 360},
    {kOk, "BUTTON", "OK(&O)", WS_TABSTOP | BS_DEFPUSHBUTTON, 2640, 3000, 1095, 375},
    {kCancel, "BUTTON", "Cancel(&C)", kButton, 3960, 3000, 1095, 375},
    {kApply, "BUTTON", "Apply(&P)", kButton, 5280, 3000, 1095, 375},
};

constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);

std::string EntryText(const std::optional<RingItem>& item) {
    if (!item) return kUnreadableLine;
    const bool sound = item->lngNotifyMode == RingAction::Sound && !item->strWavFile.empty();
    return AlarmLineText(*item, sound && !CanPlaySoundFile(item->strWavFile));
}

class AlarmListForm;
AlarmListForm* frmOptions = nullptr;

class AlarmListForm : public FormWindow {
public:
    static void Open(int selectNumber) {
        InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
        auto* form = new AlarmListForm();
        if (!form->Create("frmOptions", "Alarm Item", 6465, 3480, kLayout)) return;
        form->Load(selectNumber);
        form->Show();
    }

private:
    AlarmListForm() { frmOptions = this; }
    ~AlarmListForm() override { frmOptions = nullptr; }

    HWND List() const { return Item(kList); }
    int SelectedEntry() const { return ListView_GetNextItem(List(), -1, LVNI_SELECTED); }

    void Load(int selectNumber) const {
        const HWND list = List();
        ListView_SetExtendedListViewStyleEx(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                                            LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        ListView_InsertColumn(list, 0, &column);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        // The clock holds every stored item already; whatever changes them loads them anew.
        const auto& items = StoredRingList();
        ListView_SetItemCount(list, items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            InsertEntry(static_cast<int>(i), EntryText(items[i]), items[i] && items[i]->lngItemState > 0);
        FitColumn();
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        Select(std::min(selectNumber, static_cast<int>(items.size())) - 1);
    }

    void InsertEntry(int position, const std::string& text, bool checked) const {
        LVITEMA entry{};
        entry.mask = LVIF_TEXT;
        entry.iItem = position;
        entry.pszText = const_cast<char*>(text.c_str());
        // A new entry of a list with check boxes starts unchecked, whatever it asks for.
        ListView_InsertItem(List(), &entry);
        ListView_SetItemState(List(), position, checked ? kChecked : kUnchecked, LVIS_STATEIMAGEMASK);
    }

    // Long paths make the one column wider than the list, and the list scrolls sideways.
    void FitColumn() const {
        const HWND list = List();
        ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE);
        RECT client{};
        GetClientRect(list, &client);
        if (ListView_GetColumnWidth(list, 0) < client.right) ListView_SetColumnWidth(list, 0, client.right);
    }

    // Nothing selected for a position outside the list.
    void Select(int position) const {
        const HWND list = List();
        if (position >= 0) {
            ListView_SetItemState(list, position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(list, position, FALSE);
        }
        UpdateButtons();
    }

    // Modify and Delete act on the selected entry only.
    void UpdateButtons() const {
        const bool selected = SelectedEntry() >= 0;
        EnableItem(kModify, selected);
        EnableItem(kDelete, selected);
    }

    // The list keeps the focus while an editor is open, so it is where the focus comes back to: arrows and Enter
    // on a button would press it.
    void OnAdd() const {
        FocusItem(kList);
        ShowAddEditor();
    }

    void OnModify() const {
        const int selected = SelectedEntry();
        if (selected < 0) return;
        FocusItem(kList);
        ShowModifyEditor(selected + 1);
    }

    // The last item moves into the freed number, and its entry into the freed place.
    void OnDelete() const {
        const HWND list = List();
        const int selected = SelectedEntry();
        if (selected < 0) return;
        const int count = StoredRingCount();
        RemoveStoredRing(selected + 1);
        // The running alarms follow a deletion at once; unapplied check marks still wait for OK or Apply.
        LoadRingData();
        ListView_DeleteItem(list, selected);
        const int last = ListView_GetItemCount(list) - 1;
        if (selected + 1 < count && last >= selected) {
            const bool checked = ListView_GetCheckState(list, last);
            ListView_DeleteItem(list, last);
            InsertEntry(selected, EntryText(StoredRingList()[selected]), checked);
        }
        NoteAlarmRemoved(selected + 1, count);
        Select(std::min(selected, last));
        // Enter on a focused Delete button would delete the next entry too.
        FocusItem(kList);
    }

    void CheckAll(bool checked) const {
        ListView_SetItemState(List(), -1, checked ? kChecked : kUnchecked, LVIS_STATEIMAGEMASK);
    }

    void Apply() const {
        const HWND list = List();
        const int entries = ListView_GetItemCount(list);
        for (int position = 0; position < entries; ++position)
            SaveStoredRingState(position + 1, ListView_GetCheckState(list, position));
        LoadRingData();
    }

    void OnCommand(int id) {
        switch (id) {
            case kAdd:
                OnAdd();
                break;
            case kModify:
                OnModify();
                break;
            case kDelete:
                OnDelete();
                break;
            case kSelectAll:
            case kCancelAll:
                CheckAll(id == kSelectAll);
                break;
            case kApply:
                Apply();
                break;
            case kOk:
                Apply();
                Close();
                break;
            case kCancel:
                Close();
                break;
        }
    }

    void OnNotify(const NMHDR& header) const {
        if (header.idFrom != kList || header.code != LVN_ITEMCHANGED) return;
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) UpdateButtons();
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
                return 0;
            case WM_NOTIFY:
                OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
                return 0;
        }
        return FormWindow::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace

void ShowAlarmList() {
    if (frmOptions)
        frmOptions->BringToFront();
    else
        AlarmListForm::Open(1);
}

void ReopenAlarmList(int number) {
    if (frmOptions) frmOptions->Close();
    AlarmListForm::Open(number);
}
