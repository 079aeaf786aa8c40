#pragma once
// What a window's paint routine writes, read back from an enhanced metafile it painted into
// (WM_PRINTCLIENT), so a test can check each text, where it starts and in which font.
#include <windows.h>

#include <string>
#include <vector>

struct PaintedText {
    int x;
    int y;
    std::string text;  // in the ANSI code page
    std::string face;
    int height;
};

std::vector<PaintedText> PaintedTexts(HWND window);
