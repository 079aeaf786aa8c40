#include "app/AboutWindow.h"

#include "dialogkit/CentredPlace.h"
#include "dialogkit/ProgramIcon.h"
#include "face/ClockSize.h"
#include "face/EnlargedBitmap.h"
#include "resources/resource.h"
#include "system/DeviceContexts.h"
#include "system/WindowDpi.h"

namespace {

constexpr char kClassName[] = "Form4";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
constexpr int kImage1 = 1;

HWND form4 = nullptr;

GdiBitmap picture;

// The picture grows by whole multiples of the window's scale, as the clock's skin does, so it stays sharp; the
// window's outer size for it.
SIZE ShowPicture(HWND hwnd, int dpi) {
    const int multiple = ScaleMultiple(dpi);
    const SkinDC loaded(nullptr, GdiBitmap(static_cast<HBITMAP>(LoadImageA(
                                     GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0))));
    GdiBitmap shown = EnlargedBitmap(loaded, multiple);
    const HWND image = GetDlgItem(hwnd, kImage1);
    // The static sizes itself to the bitmap.
    SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown.get()));
    picture = std::move(shown);
    RECT frame{};
    GetClientRect(image, &frame);
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void OnCreate(HWND hwnd) {
    CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, 0, 0, 0, 0, hwnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kImage1)), GetModuleHandleA(nullptr), nullptr);
    const SIZE size = ShowPicture(hwnd, WindowDpi(hwnd));
    PlaceCentred(hwnd, size.cx, size.cy);
}

// On a monitor of another scale: the picture at its multiple there, from the corner the system suggests.
void OnDpiChanged(HWND hwnd, WPARAM dpi, LPARAM lParam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = ShowPicture(hwnd, LOWORD(dpi));
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnCommand(HWND hwnd, WPARAM wParam) {
    if (LOWORD(wParam) == kImage1 && HIWORD(wParam) == STN_CLICKED) DestroyWindow(hwnd);
}

void OnDestroy() {
    form4 = nullptr;
    picture.reset(nullptr);
}

LRESULT CALLBACK Form4Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(hwnd);
            break;
        case WM_DPICHANGED:
            OnDpiChanged(hwnd, wParam, lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(hwnd, wParam);
            break;
        case WM_NCDESTROY:
            OnDestroy();
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterForm4Class(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(instance, kClassName, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Form4Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hIcon = ClassIcon(SM_CXICON);
    windowClass.hIconSm = ClassIcon(SM_CXSMICON);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

void ShowForm4() {
    if (form4) {
        ShowWindow(form4, SW_SHOWNORMAL);
        SetForegroundWindow(form4);
        return;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterForm4Class(instance)) return;
    form4 = CreateWindowExA(0, kClassName, "Version", kStyle, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (form4) ShowWindow(form4, SW_SHOWNORMAL);
}

HWND Form4Window() { return form4; }
