#include "dialogkit/DialogFont.h"

#include "dialogkit/DpiScale.h"
#include "system/WindowDpi.h"

DialogFont::DialogFont() { Make(kLayoutDpi); }

void DialogFont::FitTo(HWND window) {
    if (const int dpi = WindowDpi(window); dpi != dpi_) Make(dpi);
}

void DialogFont::Make(int dpi) {
    font_.reset(CreateFontA(ScaleByDpi(13, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    dpi_ = dpi;
}
