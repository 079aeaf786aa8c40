#pragma once
#include <windows.h>

// The size at which the built-in dialogs draw the program's icon.
inline constexpr int kDialogIconSize = 32;

// The program's icon (resource 1) at the given size, destroyed when released. The resource holds an image drawn
// for each common size, so the one picked is sharp.
class ProgramIcon {
public:
    explicit ProgramIcon(int size);
    ProgramIcon(const ProgramIcon&) = delete;
    ProgramIcon& operator=(const ProgramIcon&) = delete;
    ~ProgramIcon();
    // At the size it was loaded with.
    void Draw(HDC dc, int x, int y) const;
    HICON get() const { return icon_; }

private:
    HICON icon_;
};

// The size the shell shows an icon of the given metric (SM_CXSMICON or SM_CXICON) in for the window's DPI.
int IconSizeFor(HWND window, int metric);
// The program's icon at the system DPI's size for the metric, for a window class; shared, never destroyed.
HICON ClassIcon(int metric);
