#pragma once
#include <windows.h>

// The size at which the built-in dialogs draw the program's icon.
inline constexpr int kDialogIconSize = 32;

// The program's icon (resource 1), destroyed when released. Size 0 takes the first image at its own size
// (the small one, as the notification area wants it).
class ProgramIcon {
public:
    explicit ProgramIcon(int size = 0);
    ProgramIcon(const ProgramIcon&) = delete;
    ProgramIcon& operator=(const ProgramIcon&) = delete;
    ~ProgramIcon();
    // At the size it was loaded with.
    void Draw(HDC dc, int x, int y) const;
    HICON get() const { return icon_; }

private:
    HICON icon_;
};
