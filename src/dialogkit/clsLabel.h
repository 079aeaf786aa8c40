#pragma once
#include <windows.h>

#include <string>

#include "dialogkit/ControlHandles.h"

// A 200 x 18 static text.
class clsLabel {
public:
    void CreateLabel(HWND hwnd, const std::string& strText, int X, int Y, HFONT hWndFont = nullptr, DWORD Style = 0,
                     int ID = 0);
    HWND hwnd() const { return handle_.get(); }

private:
    SingleHandle handle_;
};
