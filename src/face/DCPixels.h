#pragma once
// Reads the bitmap selected into a memory DC in one call, as the colours GetPixel would report.
#include "face/PixelScan.h"

#include <windows.h>

// All of the bitmap's pixels from the top-left; nothing (an empty grid) when they cannot be read or the bitmap is
// larger than a skin may be.
PixelGrid ReadPixels(HDC dc);
