#pragma once
// Counts of the graphics objects the process holds. Wine reports no GetGuiResources figures, so the
// counter also counts, itself, the fonts, brushes and icons the program's code creates and releases.
#include <windows.h>

#include <cstddef>

class GdiObjectCounter {
public:
    // Counts from here on; the program's imports go back to the real functions when it ends.
    GdiObjectCounter();
    GdiObjectCounter(const GdiObjectCounter&) = delete;
    GdiObjectCounter& operator=(const GdiObjectCounter&) = delete;
    ~GdiObjectCounter();
    // Objects created since the counter started and not released yet.
    std::size_t Live() const;
    // What the platform reports for the process (0 where it reports nothing).
    static DWORD ReportedGdiObjects();
    static DWORD ReportedUserObjects();
};
