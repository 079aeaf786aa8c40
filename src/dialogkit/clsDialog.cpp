#include "dialogkit/clsDialog.h"

#include "dialogkit/CentredPlace.h"
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

INT_PTR clsDialog::CreateDialog(HWND hwnd, DLGPROC lpDlgFunc, LPARAM param) {
    const DialogTemplateBytes dialogTemplate = EmptyDialogTemplate();
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.bytes.data()), hwnd, lpDlgFunc,
                                   param);
}

void CentreOnDesktop(HWND hDlg, int layoutWidth, int layoutHeight) {
    PlaceCentred(hDlg, ScaleForWindow(hDlg, layoutWidth), ScaleForWindow(hDlg, layoutHeight));
}

void DrawEtchedFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_ETCHED);
}

void DrawSunkenFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_SUNKEN);
}
