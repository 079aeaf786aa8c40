#pragma once
#include "system/DeviceContexts.h"

#include <windows.h>

// The one font of a built-in dialog: Tahoma, 13 pixels at 96 DPI, normal weight. Deleted when released.
class DialogFont {
public:
    DialogFont();
    HFONT get() const { return font_.get(); }
    // The DPI the font is made for.
    int dpi() const { return dpi_; }
    // Made again for the DPI of the monitor `window` is on; the controls that use it need it set again.
    void FitTo(HWND window);
    void FitToDpi(int dpi);

private:
    GdiFont font_;
    int dpi_ = 0;
};
