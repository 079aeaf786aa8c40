#pragma once
// A balloon beside a box of a form saying what the box needs. It goes after a few seconds, or earlier when
// the form hides it; the form's window takes it along when it goes.
#include <windows.h>

class BoxHint {
public:
    void Show(HWND form, HWND box, const char* text);
    void Hide() const;

private:
    HWND tip_ = nullptr;
};
