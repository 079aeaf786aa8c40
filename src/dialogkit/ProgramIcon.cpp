#include "dialogkit/ProgramIcon.h"

#include "resources/resource.h"

ProgramIcon::ProgramIcon(int size)
    : icon_(static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON, size, size, 0))) {}

ProgramIcon::~ProgramIcon() {
    if (icon_) DestroyIcon(icon_);
}

void ProgramIcon::Draw(HDC dc, int x, int y) const { DrawIconEx(dc, x, y, icon_, 0, 0, 0, nullptr, DI_NORMAL); }
