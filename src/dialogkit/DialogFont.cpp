#include "dialogkit/DialogFont.h"

#include "dialogkit/DpiScale.h"
#include "system/WindowDpi.h"

DialogFont::DialogFont() { FitToDpi(kLayoutDpi); }

void DialogFont::FitTo(HWND window) { FitToDpi(WindowDpi(window)); }

void DialogFont::FitToDpi(int dpi) {
    if (dpi == dpi_) return;
    font_.reset(CreateFontA(ScaleByDpi(13, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    dpi_ = dpi;
}
