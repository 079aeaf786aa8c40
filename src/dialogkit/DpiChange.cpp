#include "dialogkit/DpiChange.h"

#include "dialogkit/DpiScale.h"

void FollowDpiChange(HWND window, DialogFont& font, WPARAM wParam, LPARAM lParam) {
    const int from = font.dpi();
    const int to = LOWORD(wParam);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT oldFont = font.get();
    font.FitToDpi(to);
    const auto scaled = [from, to](LONG value) { return ScaleBetweenDpi(value, to, from); };
    // Only the window's own controls: a control's inner windows follow their control.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        MoveWindow(child, scaled(place.left), scaled(place.top), scaled(place.right - place.left),
                   scaled(place.bottom - place.top), FALSE);
        if (reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)) == oldFont)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    InvalidateRect(window, nullptr, TRUE);
}
