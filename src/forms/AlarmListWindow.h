#pragma once
// The alarm list form (frmOptions): every stored item with its check box; adds, modifies, deletes and switches
// items. Modeless, without owner, at most one at a time.
#include <windows.h>

// The controls, by id.
namespace alarm_list {
enum Control : int {
    kOk = IDOK,
    kCancel = IDCANCEL,
    kFrame = 100,
    kList,
    kAdd,
    kModify,
    kDelete,
    kSelectAll,
    kCancelAll,
    kApply,
};
}  // namespace alarm_list

// Shows the list, or brings the open one to the front.
void ShowAlarmList();
// Closes the list if it is open and shows it anew from storage, with item `number` selected.
void ReopenAlarmList(int number);
