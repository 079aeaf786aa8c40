#pragma once
#include <windows.h>

// The options dialog, modal, owned by the clock window.
void ShowOptionDialog(HWND owner);

// Sent by Apply to the clock window once the new settings are stored: it reloads its skin and takes the new
// appearance and chime settings.
inline constexpr UINT WM_OPTIONSAPPLIED = WM_APP + 1;
