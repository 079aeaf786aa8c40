#include "app/Main.h"

#include "app/Placement.h"
#include "system/PublicFunction.h"
#include "app/frmMain.h"
#include "forms/FormWindow.h"

namespace {

constexpr char kClassName[] = "frmMain";
constexpr char kTitle[] = "Marrowby Clock";

}  // namespace

void Main() {
    if (const HWND running = FindWindowA(kClassName, kTitle)) {
        ShowWindow(running, SW_SHOWNORMAL);
        return;
    }
    RunMainWindow(kClassName, IsWin2000OrLater() ? WS_EX_LAYERED : 0, nullptr);
}

bool RegisterMainClass(const char* className) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0;
}

HWND CreateMainWindow(const char* className, DWORD exStyle, const char* title) {
    hMainWnd = CreateWindowExA(WS_EX_TOOLWINDOW | exStyle, className, title, WS_POPUP | WS_SYSMENU, 100, 100, 100, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return hMainWnd;
}

void StartMainWindow() {
    UpdateWindow(hMainWnd);
    StartClockTimer(hMainWnd);
    ApplyOption("Windowpos");
    ApplyStartState();
}

void RunMainWindow(const char* className, DWORD exStyle, const char* title) {
    if (!RegisterMainClass(className)) return;
    if (CreateMainWindow(className, exStyle, title)) {
        StartMainWindow();
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (FormWindow::IsFormMessage(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    UnregisterClassA(className, GetModuleHandleA(nullptr));
}
