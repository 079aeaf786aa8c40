#include "app/TrayIcon.h"

#include "app/Seams.h"

#include <cstring>

namespace {

// The first, 88-byte layout, understood by every shell.
NOTIFYICONDATAA TrayIconData{};
HICON hTrayIcon = nullptr;

}  // namespace

void AddTrayIcon(HWND hwnd) {
    TrayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    TrayIconData.hWnd = hwnd;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    std::strncpy(TrayIconData.szTip, "Tollwick V2.01", sizeof TrayIconData.szTip - 1);
    hTrayIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0, 0));
    TrayIconData.uID = 0;
    TrayIconData.uCallbackMessage = WM_TRAYCALLBACK;
    TrayIconData.hIcon = hTrayIcon;
    seams.Shell_NotifyIconA(NIM_ADD, &TrayIconData);
}

void RemoveTrayIcon() {
    if (hTrayIcon) {
        DestroyIcon(hTrayIcon);
        hTrayIcon = nullptr;
    }
    seams.Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
}
