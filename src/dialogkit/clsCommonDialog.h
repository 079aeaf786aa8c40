#pragma once
// The shell's folder and file-open pickers. Keeps no state: make one for a single question.
#include <windows.h>

#include <string>

class clsCommonDialog {
public:
    // The chosen folder's path as the shell gives it, or "" when cancelled or not a file-system folder.
    std::string BrowsCatalog(HWND hDlg) const;
    // The chosen existing file's full path, or "" when cancelled. strFilter is one pattern, "*.wav".
    std::string OpenDialog(HWND hDlg, const std::string& strFilter) const;
};
