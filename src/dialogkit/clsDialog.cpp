#include "dialogkit/clsDialog.h"

#include "dialogkit/DialogCentre.h"
#include "dialogkit/DialogTemplate.h"

namespace {

void DrawFrame(HDC hdc, int left, int right, int top, int bottom, UINT edge) {
    RECT frame{left, top, right, bottom};
    DrawEdge(hdc, &frame, edge, BF_RECT);
}

}  // namespace

INT_PTR clsDialog::CreateDialog(HWND hwnd, DLGPROC lpDlgFunc, LPARAM param) {
    const DialogTemplateBytes dialogTemplate = EmptyDialogTemplate();
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.bytes.data()), hwnd, lpDlgFunc,
                                   param);
}

void CentreOnDesktop(HWND hDlg, int width, int height) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    MoveWindow(hDlg, CentredOrigin(desktop.right, width), CentredOrigin(desktop.bottom, height), width, height, TRUE);
}

void DrawEtchedFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_ETCHED);
}

void DrawSunkenFrame(HDC hdc, int left, int right, int top, int bottom) {
    DrawFrame(hdc, left, right, top, bottom, EDGE_SUNKEN);
}
