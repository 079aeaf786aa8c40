#include "app/TrayIcon.h"

#include "ProductVersion.h"
#include "dialogkit/ProgramIcon.h"
#include "system/Seams.h"

#include <cstring>
#include <memory>

namespace {

// The first, 88-byte layout, understood by every shell.
NOTIFYICONDATAA TrayIconData{};
std::unique_ptr<ProgramIcon> TrayIcon;

}  // namespace

void AddTrayIcon(HWND hwnd) {
    TrayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    TrayIconData.hWnd = hwnd;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    std::strncpy(TrayIconData.szTip, "Tollwick V" TOLLWICK_VERSION, sizeof TrayIconData.szTip - 1);
    TrayIcon = std::make_unique<ProgramIcon>(IconSizeFor(hwnd, SM_CXSMICON));
    TrayIconData.uID = 0;
    TrayIconData.uCallbackMessage = WM_TRAYCALLBACK;
    TrayIconData.hIcon = TrayIcon->get();
    seams.Shell_NotifyIconA(NIM_ADD, &TrayIconData);
}

void RemoveTrayIcon() {
    seams.Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
    TrayIcon.reset();
}
