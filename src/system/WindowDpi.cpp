#include "system/WindowDpi.h"

#include "system/DeviceContexts.h"

namespace {

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
const auto systemParametersInfoForDpi =
    User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
const auto getSystemMetricsForDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
const auto setThreadDpiAwarenessContext =
    User32Function<SetThreadDpiAwarenessContextFunction>("SetThreadDpiAwarenessContext");

}  // namespace

int WindowDpi(HWND hwnd) {
    if (getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
    return GetDeviceCaps(WindowDC(hwnd), LOGPIXELSY);
}

HFONT CreateMenuFontForDpi(int dpi) {
    // The per-DPI call knows the wide structure only.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const BOOL read =
        systemParametersInfoForDpi
            ? systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))
            : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return read ? CreateFontIndirectW(&metrics.lfMenuFont) : nullptr;
}

int SystemMetricForDpi(int index, int dpi) {
    return getSystemMetricsForDpi ? getSystemMetricsForDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

DpiAwarenessScope::DpiAwarenessScope(DPI_AWARENESS_CONTEXT context) {
    if (setThreadDpiAwarenessContext) previous_ = setThreadDpiAwarenessContext(context);
}

DpiAwarenessScope::~DpiAwarenessScope() {
    if (previous_) setThreadDpiAwarenessContext(previous_);
}
