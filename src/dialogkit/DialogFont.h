#pragma once
#include "system/DeviceContexts.h"

#include <windows.h>

// The one font of a built-in dialog: Tahoma, 13 pixels, normal weight. Deleted when released.
class DialogFont {
public:
    DialogFont();
    HFONT get() const { return font_.get(); }

private:
    GdiFont font_;
};
