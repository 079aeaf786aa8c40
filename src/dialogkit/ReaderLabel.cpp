#include "dialogkit/ReaderLabel.h"

void PutLabelBefore(HWND label, HWND control) {
    const HWND above = GetWindow(control, GW_HWNDPREV);
    if (above == label) return;
    SetWindowPos(label, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The parent destroys it with the control.
void AddHiddenLabel(HWND control, const char* name) {
    const HWND label = CreateWindowExA(0, "STATIC", name, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                       GetParent(control), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (label) PutLabelBefore(label, control);
}
