#pragma once

// Where a window of `size` starts so that it sits in the middle of `extent`: (extent - size) / 2 rounded to
// the nearest integer, exact halves to the even one (379.5 gives 380, 374.5 gives 374).
int CentredOrigin(int extent, int size);
