#pragma once
#include <windows.h>

#include "dialogkit/ControlHandles.h"

// A 110 x 25 track bar holding 100 to 255, for the transparency setting.
class clsTrackbar {
public:
    clsTrackbar();
    void CreateTrackBar(HWND hWndParent, int ID, int X, int Y, DWORD Style = 0);
    long Value() const;
    void Value(long dwPos) const;
    HWND hwnd() const { return handle_.get(); }

private:
    SingleHandle handle_;
};
