#include "dialogkit/clsDialog.h"

#include "dialogkit/DialogCentre.h"
#include "dialogkit/DialogTemplate.h"
#include "dialogkit/WindowScale.h"

namespace {

// Layout numbers at the DPI of the window painted; a DC of no window (WM_PRINTCLIENT's) takes the screen's.
void DrawFrame(HDC hdc, int left, int right, int top, int bottom, UINT edge) {
    const HWND window = WindowFromDC(hdc);
    const auto scaled = [window](int value) { return ScaleForWindow(window, value); };
    RECT frame{scaled(left), scaled(top), scaled(right), scaled(bottom)};
    DrawEdge(hdc, &frame, edge, BF_RECT);
}

}  // namespace

void clsDialog::CreateDialog(HWND hwnd, DLGPROC lpDlgFunc) {
    const DialogTemplateBytes dialogTemplate = EmptyDialogTemplate();
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.bytes.data()), hwnd, lpDlgFunc, 0);
}

void RunBuiltInDialog(HWND owner, DLGPROC procedure) {
    clsDialog dialog;
    dialog.CreateDialog(owner, procedure);
}

void CentreOnDesktop(HWND hDlg, int layoutWidth, int layoutHeight) {
    const int width = ScaleForWindow(hDlg, layoutWidth);
    const int height = ScaleForWindow(hDlg, layoutHeight);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    MoveWindow(hDlg, CentredOrigin(desktop.right, width), CentredOrigin(desktop.bottom, height), width, height, TRUE);
}

namespace {

// Texts painted on the dialog's face take the colour its labels have, which high contrast sets too.
void PaintInTextColour(HWND hDlg, HDC dc, void (*content)(HWND hDlg, HDC dc)) {
    const COLORREF previous = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    content(hDlg, dc);
    SetTextColor(dc, previous);
}

}  // namespace

bool PaintDialogMessage(HWND hDlg, UINT uMsg, WPARAM wParam, void (*content)(HWND hDlg, HDC dc)) {
    if (uMsg == WM_PRINTCLIENT) {
        PaintInTextColour(hDlg, reinterpret_cast<HDC>(wParam), content);
        return true;
    }
    if (uMsg != WM_PAINT) return false;
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hDlg, &paint);
    PaintInTextColour(hDlg, dc, content);
    EndPaint(hDlg, &paint);
    return true;
}

void DrawEtchedFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_ETCHED);
}

void DrawSunkenFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_SUNKEN);
}
