#pragma once

// Where a window of `size` starts so that it sits in the middle of `extent`: (extent - size) / 2 rounded to
// the nearest integer, exact halves to the even one (379.5 gives 380, 374.5 gives 374).
int CentredOrigin(int extent, int size);

// Where a window of `size` starts along one axis of the area [areaStart, areaEnd) it should show in: at `origin`
// where it fits, else moved in, and where it is larger than the area at the area's start, so its title bar and
// top-left controls stay on the screen.
int FitInArea(int origin, int size, int areaStart, int areaEnd);
