#pragma once
// A tip beside a box of a form saying what the box needs: below the box, or above it where below would cover
// one of the form's buttons. It goes after a few seconds, or earlier when the form hides it; the form's window
// takes it along when it goes.
#include <windows.h>

class BoxHint {
public:
    void Show(HWND form, HWND box, const char* text);
    void Hide() const;

private:
    HWND tip_ = nullptr;
};
