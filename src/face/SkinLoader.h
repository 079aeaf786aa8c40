#pragma once
// The skin module (frmRegion): loads the stored skin for the clock, cuts the window to it, lists the skin folder
// and picks a random skin from it.
#include "face/Skin.h"

#include <windows.h>

#include <string>
#include <vector>

// Hides the window and loads the stored skin files, or the built-in pictures for a missing or broken file.
Skin LoadSkinBitmaps(HWND hwnd);
// Cuts the window to the skin's outline. Returns SetWindowRgn's result.
int ShapeWindowFromBitmap(HWND hwnd, const Skin& skin);
// The names of a folder's bitmaps that serve as backgrounds and as time strips, in listing order.
struct SkinLists {
    std::vector<std::string> backgrounds;
    std::vector<std::string> timeStrips;
};
// Lists the folder's bitmaps by size and rewrites the two registry lists from "1" up.
SkinLists ScanSkinLists(const std::string& folder);
// The same for the skin folder.
SkinLists ScanSkinFolder();
// Scan the folder, pick a random entry of its list and store it as the skin to load.
void PickRandomBackSkin();
void PickRandomTimeSkin();
