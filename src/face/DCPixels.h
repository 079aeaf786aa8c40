#pragma once
// Reads the bitmap selected into a memory DC in one call, as the colours GetPixel would report.
#include "face/PixelScan.h"

#include <windows.h>

// width x height pixels from the top-left; pixels outside the bitmap read as CLR_INVALID, like GetPixel's. Nothing
// (an empty grid) for sizes beyond what a skin may have.
PixelGrid ReadPixels(HDC dc, int width, int height);
