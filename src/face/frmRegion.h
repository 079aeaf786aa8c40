#pragma once
// The current skin: the background (the window's size and outline) and the time strip, each in a memory DC.
#include "face/GdiHandles.h"

#include <windows.h>

#include <string>
#include <vector>

// The current background's description; bmWidth x bmHeight is the window's size.
extern BITMAP SkinBitmap;
// Bitmaps just loaded by LoadSkinBitmaps; CreateSkinDCs hands each to its DC, which owns it from then on.
extern GdiBitmap hBackBmp;
extern GdiBitmap hTimeBmp;
// The background and the time strip, ready for BitBlt (they convert to HDC).
extern SkinDC hBackDC;
extern SkinDC hTimeDC;
// Entries in the background and time strip lists of the last ScanSkinFolder.
extern int BackSkinCount;
extern int TimeSkinCount;

// A bitmap file whose header is sound, or nothing.
HBITMAP LoadBitmapFile(const std::string& path);
// Hides the window and loads the stored skin files, or the built-in pictures for a missing or broken file.
void LoadSkinBitmaps(HWND hwnd);
// Replaces the two memory DCs (and the bitmaps they own) by ones holding the bitmaps just loaded.
void CreateSkinDCs(HWND hwnd);
// Cuts the window to the pixels that differ from the background's top-left pixel. Returns SetWindowRgn's result.
int ShapeWindowFromBitmap(HWND hwnd, HDC dc, int width, int height);
// Lists the skin folder's bitmaps by size under the two registry lists.
void ScanSkinFolder();
// The names of a folder's bitmaps that serve as backgrounds and as time strips, in listing order.
struct SkinLists {
    std::vector<std::string> backgrounds;
    std::vector<std::string> timeStrips;
};
// Lists the folder's bitmaps by size and rewrites the two registry lists from "1" up.
SkinLists ScanSkinLists(const std::string& folder);
// Scan the folder, pick a random entry of its list and store it as the skin to load.
void PickRandomBackSkin();
void PickRandomTimeSkin();
