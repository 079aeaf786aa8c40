#pragma once
#include <windows.h>

// The member takes the name the windows.h macro would otherwise claim.
#undef CreateDialog

// Runs a modal dialog from an empty in-memory template; its procedure sizes, titles and fills it at
// WM_INITDIALOG and ends it at WM_CLOSE.
class clsDialog {
public:
    // Returns when the dialog has ended.
    void CreateDialog(HWND hwnd, DLGPROC lpDlgFunc);
};

// What every dialog module's launcher does: a fresh clsDialog for one run, released when the dialog ends.
void RunBuiltInDialog(HWND owner, DLGPROC procedure);

// Places the dialog, width x height in layout numbers scaled to its DPI, in the middle of the desktop.
void CentreOnDesktop(HWND hDlg, int width, int height);

// WM_PAINT and WM_PRINTCLIENT of a built-in dialog: `content` draws into the paint DC or the DC it is handed,
// so the content can be drawn anywhere. False for any other message.
bool PaintDialogMessage(HWND hDlg, UINT uMsg, WPARAM wParam, void (*content)(HWND hDlg, HDC dc));

// Group frames and the frame one pixel outside every push button.
void DrawEtchedFrame(HDC hdc, int left, int right, int top, int bottom);
void DrawSunkenFrame(HDC hdc, int left, int right, int top, int bottom);
