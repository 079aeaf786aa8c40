#pragma once
#include <windows.h>

#include <memory>

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

// The program's icon at the top left of a built-in dialog: 32 layout pixels, drawn from the image made for the
// window's DPI and loaded again when the window moves to a monitor of another scale.
class DialogIcon {
public:
    void Draw(HWND window, HDC dc);

private:
    static constexpr int kLayoutSize = 32;
    static constexpr int kLayoutCorner = 10;
    std::unique_ptr<ProgramIcon> icon_;
    int size_ = 0;
};

// The size the shell shows an icon of the given metric (SM_CXSMICON or SM_CXICON) in for the window's DPI.
int IconSizeFor(HWND window, int metric);
// The program's icon at the system DPI's size for the metric, for a window class; shared, never destroyed.
HICON ClassIcon(int metric);
