#pragma once
#include <windows.h>

// The options dialog, modal, owned by the clock window.
void ShowOptionDialog(HWND owner);
INT_PTR CALLBACK OptionsDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Sent by Apply to the clock window once the new settings are stored: it reloads its skin and takes the new
// appearance and chime settings.
inline constexpr UINT WM_OPTIONSAPPLIED = WM_APP + 1;
