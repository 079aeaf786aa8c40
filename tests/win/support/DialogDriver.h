#pragma once
// Drives a modal dialog from inside its own message loop, so a test never blocks on one.
#include <windows.h>

#include <functional>

namespace dialog_driver {
struct Drive {
    std::function<void(HWND)> act;
    DWORD start, limit;
    HWND dialog = nullptr;
    bool timedOut = false;
};
inline Drive* current = nullptr;

inline void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND open = FindWindowA("#32770", nullptr);
    if (!current->dialog && open && IsWindowVisible(open)) return current->act(current->dialog = open);
    if (!open || GetTickCount() - current->start < current->limit) return;
    current->timedOut = true;
    EndDialog(open, 0);
}
}  // namespace dialog_driver

// Calls `open`, which shows a modal dialog, and `act` once with that dialog as soon as it is up. A dialog
// still open after `limitMs` is closed and the result is false.
inline bool DriveModal(const std::function<void()>& open, std::function<void(HWND)> act, DWORD limitMs = 5000) {
    dialog_driver::Drive drive{std::move(act), GetTickCount(), limitMs};
    dialog_driver::current = &drive;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, dialog_driver::Tick);
    open();
    KillTimer(nullptr, timer);
    return drive.dialog && !drive.timedOut;
}
