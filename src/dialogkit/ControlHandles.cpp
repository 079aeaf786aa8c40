#include "dialogkit/ControlHandles.h"

#include "dialogkit/WindowScale.h"

#include <commctrl.h>

void InitCommonControlClasses(DWORD classes) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
    InitCommonControlsEx(&init);
}

HWND CreateChildControl(DWORD exStyle, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                        int height, HWND parent, int id) {
    const auto scaled = [parent](int value) { return ScaleForWindow(parent, value); };
    return CreateWindowExA(exStyle, windowClass, text, style, scaled(x), scaled(y), scaled(width), scaled(height),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void MoveChildControl(HWND child, int x, int y, int width, int height, bool repaint) {
    const HWND parent = GetParent(child);
    const auto scaled = [parent](int value) { return ScaleForWindow(parent, value); };
    MoveWindow(child, scaled(x), scaled(y), scaled(width), scaled(height), repaint);
}
