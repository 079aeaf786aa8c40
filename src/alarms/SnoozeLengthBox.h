#pragma once
// The snooze length list of the alarm and reminder windows: "5 minutes", "10 minutes", "15 minutes", showing the
// length last chosen.
#include "dialogkit/clsComboBox.h"

#include <windows.h>

class SnoozeLengthBox {
public:
    void Create(HWND dialog, int id, int x, int y, int width, HFONT font);
    // The length shown, in minutes, kept as the one to show next time.
    int TakeChoice(HWND dialog) const;

private:
    clsComboBox box_;
    int id_ = 0;
};
