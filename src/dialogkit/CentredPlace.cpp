#include "dialogkit/CentredPlace.h"

#include "dialogkit/DialogCentre.h"

void PlaceCentred(HWND window, int width, int height) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int x = CentredOrigin(desktop.right, width);
    const int y = CentredOrigin(desktop.bottom, height);
    const RECT placed{x, y, x + width, y + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromRect(&placed, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window, nullptr, FitInArea(x, width, work.left, work.right),
                 FitInArea(y, height, work.top, work.bottom), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
