#pragma once
// The bytes of .bmp files for skins, as a paint program writes them.
#include <windows.h>

#include <string>

// A 1-bit picture, white on black, in its file: the bottom `checkerRows` rows a checkerboard of single pixels
// (every row split into width / 2 runs that no neighbouring row shares), the others white.
inline std::string CheckerboardBmp(int width, int height, int checkerRows) {
    const int stride = (width + 31) / 32 * 4;
    const DWORD size = DWORD(stride) * height, offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + 8;
    const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 1, BI_RGB, size, 0, 0, 2, 2};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));  // black, white
    std::string pixels(size, '\0');
    for (int row = 0; row < height; ++row)  // rows are stored bottom-up
        for (int x = 0; x < width; ++x)
            if (row >= checkerRows || (x + row) % 2) pixels[row * stride + x / 8] |= char(0x80 >> (x % 8));
    return bytes + pixels;
}
