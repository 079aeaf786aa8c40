#pragma once
// Wine reports no GetGuiResources figures, so this counts, itself, the fonts and icons the program's code
// creates and has not released yet, by pointing the program's imports of those calls at counting ones.
#include <windows.h>

#include <cstddef>

class GdiObjectCounter {
public:
    GdiObjectCounter();
    GdiObjectCounter(const GdiObjectCounter&) = delete;
    GdiObjectCounter& operator=(const GdiObjectCounter&) = delete;
    ~GdiObjectCounter();
    std::size_t Live() const;
};
