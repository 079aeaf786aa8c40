#include "dialogkit/BuiltInDialog.h"

#include "dialogkit/DpiChange.h"
#include "dialogkit/clsDialog.h"
#include "system/DeviceContexts.h"

namespace {

BuiltInDialog* DialogOf(HWND hDlg) { return reinterpret_cast<BuiltInDialog*>(GetWindowLongPtrA(hDlg, DWLP_USER)); }

}  // namespace

// Until the dialog takes it, the object stays the launcher's: a dialog that could not be made frees it here.
INT_PTR BuiltInDialog::Run(HWND owner, std::unique_ptr<BuiltInDialog> dialog) {
    return clsDialog().CreateDialog(owner, Proc, reinterpret_cast<LPARAM>(&dialog));
}

void BuiltInDialog::Release(HWND hDlg) {
    const BuiltInDialog* dialog = DialogOf(hDlg);
    SetWindowLongPtrA(hDlg, DWLP_USER, 0);
    delete dialog;
}

INT_PTR CALLBACK BuiltInDialog::Proc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        BuiltInDialog* dialog = reinterpret_cast<std::unique_ptr<BuiltInDialog>*>(lParam)->release();
        dialog->hwnd_ = hDlg;
        SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->font_.FitTo(hDlg);
        dialog->OnInitDialog();
        return 0;
    }
    BuiltInDialog* dialog = DialogOf(hDlg);
    if (!dialog) return 0;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hDlg, &paint);
            // Painted texts take the labels' colour, which high contrast sets too.
            const SelectedTextColour colour(dc, GetSysColor(COLOR_WINDOWTEXT));
            dialog->PaintContent(dc);
            EndPaint(hDlg, &paint);
            break;
        }
        case WM_PRINTCLIENT: {
            const SelectedTextColour colour(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
            dialog->PaintContent(reinterpret_cast<HDC>(wParam));
            break;
        }
        case WM_CLOSE: {
            const INT_PTR result = dialog->OnClose();
            Release(hDlg);
            EndDialog(hDlg, result);
            break;
        }
        case WM_DPICHANGED:
            FollowDpiChange(hDlg, dialog->font_, wParam, lParam);
            break;
        case WM_DESTROY:  // destroyed unclosed, with its owner
            Release(hDlg);
            break;
        default:
            dialog->HandleMessage(message, wParam, lParam);
    }
    return 0;
}
