#include "dialogkit/ProgramIcon.h"

#include "dialogkit/WindowScale.h"
#include "resources/resource.h"
#include "system/WindowDpi.h"

namespace {

HANDLE LoadProgramIcon(int size, UINT flags) {
    return LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON, size, size, flags);
}

}  // namespace

ProgramIcon::ProgramIcon(int size) : icon_(static_cast<HICON>(LoadProgramIcon(size, 0))) {}

ProgramIcon::~ProgramIcon() {
    if (icon_) DestroyIcon(icon_);
}

void ProgramIcon::Draw(HDC dc, int x, int y) const { DrawIconEx(dc, x, y, icon_, 0, 0, 0, nullptr, DI_NORMAL); }

void DialogIcon::Draw(HWND window, HDC dc) {
    if (const int size = ScaleForWindow(window, kLayoutSize); size != size_) {
        icon_ = std::make_unique<ProgramIcon>(size);
        size_ = size;
    }
    const int corner = ScaleForWindow(window, kLayoutCorner);
    icon_->Draw(dc, corner, corner);
}

int IconSizeFor(HWND window, int metric) { return SystemMetricForDpi(metric, WindowDpi(window)); }

HICON ClassIcon(int metric) { return static_cast<HICON>(LoadProgramIcon(GetSystemMetrics(metric), LR_SHARED)); }
