#pragma once
// Drives modal dialogs from inside their own message loops, so a test never blocks on one.
#include <windows.h>

#include <functional>
#include <vector>

namespace dialog_driver {
struct Drive {
    std::vector<std::function<void(HWND)>> acts;
    DWORD start, limit;
    HWND last = nullptr;
    std::size_t answered = 0;
    bool timedOut = false;
};
inline Drive* current = nullptr;

inline void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Drive& drive = *current;
    const HWND open = FindWindowA("#32770", nullptr);
    if (open && open != drive.last && IsWindowVisible(open) && drive.answered < drive.acts.size())
        return drive.acts[drive.answered++](drive.last = open);
    if (!open || GetTickCount() - drive.start < drive.limit) return;
    drive.timedOut = true;
    EndDialog(open, 0);
}
}  // namespace dialog_driver

// Calls `open`, which shows modal dialogs one after another, and answers each as soon as it is up with the next of
// `acts`. The count of dialogs answered, or -1 when one was still open after `limitMs` and was closed.
inline int DriveModals(const std::function<void()>& open, std::vector<std::function<void(HWND)>> acts,
                       DWORD limitMs = 5000) {
    dialog_driver::Drive drive{std::move(acts), GetTickCount(), limitMs};
    dialog_driver::current = &drive;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, dialog_driver::Tick);
    open();
    KillTimer(nullptr, timer);
    return drive.timedOut ? -1 : static_cast<int>(drive.answered);
}

// One dialog, answered by `act`: whether it came up and was closed in time.
inline bool DriveModal(const std::function<void()>& open, std::function<void(HWND)> act, DWORD limitMs = 5000) {
    return DriveModals(open, {std::move(act)}, limitMs) == 1;
}
