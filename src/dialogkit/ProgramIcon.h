#pragma once
#include <windows.h>

// The program's icon (resource 1) at its own size, destroyed when released.
class ProgramIcon {
public:
    ProgramIcon();
    ProgramIcon(const ProgramIcon&) = delete;
    ProgramIcon& operator=(const ProgramIcon&) = delete;
    ~ProgramIcon();
    void Draw(HDC dc, int x, int y) const;
    HICON get() const { return icon_; }

private:
    HICON icon_;
};
