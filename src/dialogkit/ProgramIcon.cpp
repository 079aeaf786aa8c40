#include "dialogkit/ProgramIcon.h"

#include "resources/resource.h"

namespace {

HANDLE LoadProgramIcon(int size, UINT flags) {
    return LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON, size, size, flags);
}

// Windows 10 and later know each window's DPI; the program is built for Windows 7, so they are looked up.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

ProgramIcon::ProgramIcon(int size) : icon_(static_cast<HICON>(LoadProgramIcon(size, 0))) {}

ProgramIcon::~ProgramIcon() {
    if (icon_) DestroyIcon(icon_);
}

void ProgramIcon::Draw(HDC dc, int x, int y) const { DrawIconEx(dc, x, y, icon_, 0, 0, 0, nullptr, DI_NORMAL); }

int IconSizeFor(HWND window, int metric) {
    static const auto dpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    static const auto metricsForDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (dpiForWindow && metricsForDpi)
        if (const UINT dpi = dpiForWindow(window)) return metricsForDpi(metric, dpi);
    return GetSystemMetrics(metric);
}

HICON ClassIcon(int metric) { return static_cast<HICON>(LoadProgramIcon(GetSystemMetrics(metric), LR_SHARED)); }
