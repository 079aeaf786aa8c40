#pragma once
// The options dialog's two picture lists: backgrounds and time strips found in the skin folder.
#include "settings/SettingsKeys.h"

#include <windows.h>

#include <string>

// Appends the folder's backgrounds and time strips to the two lists, after their "Default" entry, and rewrites the
// registry lists the random pick reads.
void FillSkinLists(HWND hDlg, const std::string& folder);
// Selects in list ID the entry stored as `fileName`, or else the one stored as the index `selection`.
void SelectSavedSkin(HWND hDlg, int ID, const Setting& selection, const Setting& fileName);
