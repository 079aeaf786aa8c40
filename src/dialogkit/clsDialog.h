#pragma once
#include <windows.h>

// The member takes the name the windows.h macro would otherwise claim.
#undef CreateDialog

// Runs a modal dialog from an empty in-memory template; its procedure sizes, titles and fills it at
// WM_INITDIALOG and ends it at WM_CLOSE.
class clsDialog {
public:
    // Returns, when the dialog has ended, what it ended with; `param` reaches WM_INITDIALOG.
    INT_PTR CreateDialog(HWND hwnd, DLGPROC lpDlgFunc, LPARAM param = 0);
};

// Places the dialog, width x height in layout numbers scaled to its DPI, in the middle of the desktop (see
// PlaceCentred).
void CentreOnDesktop(HWND hDlg, int width, int height);

// Group frames and the frame one pixel outside every push button.
void DrawEtchedFrame(HDC hdc, int left, int right, int top, int bottom);
void DrawSunkenFrame(HDC hdc, int left, int right, int top, int bottom);
