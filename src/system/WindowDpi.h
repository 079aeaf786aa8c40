#pragma once
// The resolution a window is shown at, and the coordinates a thread's window calls use. Both calls are looked up
// at run time: systems before them have one resolution and never scale a window.
#include <windows.h>

// The DPI of the monitor the window is on, as the window sees it: 96 for a window the system enlarges itself.
int WindowDpi(HWND hwnd);

// The system's menu font and metrics as a window at `dpi` shows them; before the per-DPI calls, the system's own.
HFONT CreateMenuFontForDpi(int dpi);
int SystemMetricForDpi(int index, int dpi);

// The windows a thread creates and the coordinates its calls pass, in the given awareness while it lives; the
// thread's own awareness comes back after.
class DpiAwarenessScope {
public:
    explicit DpiAwarenessScope(DPI_AWARENESS_CONTEXT context);
    DpiAwarenessScope(const DpiAwarenessScope&) = delete;
    DpiAwarenessScope& operator=(const DpiAwarenessScope&) = delete;
    ~DpiAwarenessScope();

private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};
