#include "app/AboutWindow.h"

#include "dialogkit/ProgramIcon.h"
#include "resources/resource.h"
#include "system/HandleGuards.h"

namespace {

constexpr char kClassName[] = "Form4";
constexpr int kPictureWidth = 280;
constexpr int kPictureHeight = 185;
constexpr int kImage1 = 1;

HWND form4 = nullptr;

GdiBitmap picture;

void OnCreate(HWND hwnd) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    picture.reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0)));
    const HWND image = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, 0, 0,
                                       kPictureWidth, kPictureHeight, hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kImage1)), instance, nullptr);
    SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
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
    constexpr DWORD style = WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, kPictureWidth, kPictureHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    form4 = CreateWindowExA(0, kClassName, "Version", style, x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (form4) ShowWindow(form4, SW_SHOWNORMAL);
}

HWND Form4Window() { return form4; }
