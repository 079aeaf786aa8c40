#include "dialogkit/ProgramIcon.h"

#include "resources/resource.h"

ProgramIcon::ProgramIcon()
    : icon_(
          static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON, 0, 0, 0))) {
}

ProgramIcon::~ProgramIcon() {
    if (icon_) DestroyIcon(icon_);
}

void ProgramIcon::Draw(HDC dc, int x, int y) const { DrawIconEx(dc, x, y, icon_, 0, 0, 0, nullptr, DI_NORMAL); }
