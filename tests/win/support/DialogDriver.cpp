#include "support/DialogDriver.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

struct Drive {
    std::vector<HWND> before;
    std::function<void(HWND)> act;
    DWORD start;
    DWORD limit;
    HWND dialog = nullptr;
    bool timedOut = false;
};

std::map<UINT_PTR, Drive*> drives;

HWND NewDialog(const Drive& drive) {
    for (HWND dialog : ThreadDialogs())
        if (std::find(drive.before.begin(), drive.before.end(), dialog) == drive.before.end()) return dialog;
    return nullptr;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = drives.find(id);
    if (found == drives.end()) return;
    Drive& drive = *found->second;
    if (!drive.dialog) {
        drive.dialog = NewDialog(drive);
        if (drive.dialog) return drive.act(drive.dialog);
    }
    if (GetTickCount() - drive.start < drive.limit || drive.timedOut) return;
    drive.timedOut = true;
    if (const HWND stuck = drive.dialog ? drive.dialog : NewDialog(drive)) {
        SendMessageA(stuck, WM_CLOSE, 0, 0);
        if (IsWindow(stuck)) EndDialog(stuck, 0);
    }
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM list) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

bool DriveModal(const std::function<void()>& open, const std::function<void(HWND)>& act, DWORD limitMs) {
    Drive drive{ThreadDialogs(), act, GetTickCount(), limitMs};
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
    drives[timer] = &drive;
    open();
    KillTimer(nullptr, timer);
    drives.erase(timer);
    return drive.dialog && !drive.timedOut;
}

void PressKey(HWND dialog, WPARAM key) {
    const HWND focus = GetFocus();
    const HWND target = (focus && IsChild(dialog, focus)) ? focus : dialog;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void PumpDialog(HWND dialog, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageA(dialog, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
