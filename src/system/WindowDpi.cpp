#include "system/WindowDpi.h"

#include "system/DeviceContexts.h"

namespace {

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using SetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
const auto setThreadDpiAwarenessContext =
    User32Function<SetThreadDpiAwarenessContextFunction>("SetThreadDpiAwarenessContext");

}  // namespace

int WindowDpi(HWND hwnd) {
    if (getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
    return GetDeviceCaps(WindowDC(hwnd), LOGPIXELSY);
}

DpiAwarenessScope::DpiAwarenessScope(DPI_AWARENESS_CONTEXT context) {
    if (setThreadDpiAwarenessContext) previous_ = setThreadDpiAwarenessContext(context);
}

DpiAwarenessScope::~DpiAwarenessScope() {
    if (previous_) setThreadDpiAwarenessContext(previous_);
}
