#pragma once
#include "system/HandleGuards.h"

#include <windows.h>

// The bitmap selected into `source` with each pixel a multiple x multiple block: nearest neighbour, so edges stay
// sharp. Empty when the source has no bitmap or the larger one cannot be made.
GdiBitmap EnlargedBitmap(HDC source, int multiple);
