#include "dialogkit/DialogCentre.h"

#include <algorithm>

int CentredOrigin(int extent, int size) {
    const int twice = extent - size;
    // Floor division, so a window wider than the desktop rounds the same way.
    const int down = (twice >= 0 ? twice : twice - 1) / 2;
    const bool half = (twice % 2) != 0;
    return (half && down % 2 != 0) ? down + 1 : down;
}

int FitInArea(int origin, int size, int areaStart, int areaEnd) {
    return std::max(areaStart, std::min(origin, areaEnd - size));
}
