#include "app/Main.h"

#include "app/Placement.h"
#include "app/frmMain.h"
#include "forms/FormWindow.h"
#include "system/HandleGuards.h"
#include "system/PublicFunction.h"

#include <objbase.h>

namespace {

constexpr char kClassName[] = "frmMain";
// How long a second copy waits for the first one's window to get its title.
constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kWindowPollMs = 50;

class InstanceMutex {
public:
    InstanceMutex()
        : handle_(CreateMutexA(nullptr, TRUE, kInstanceMutex)),
          first_(handle_ && GetLastError() != ERROR_ALREADY_EXISTS) {}
    ~InstanceMutex() {
        if (first_) ReleaseMutex(handle_);
    }
    // False when another copy made the mutex first.
    bool first() const { return first_; }

private:
    KernelHandle handle_;
    bool first_;
};

// The window hands its accessible object to screen readers through COM.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

void ShowRunningCopy() {
    for (DWORD waited = 0; waited < kWindowWaitMs; waited += kWindowPollMs) {
        if (const HWND running = FindWindowA(kClassName, kClockTitle)) {
            ShowWindow(running, SW_SHOWNORMAL);
            return;
        }
        Sleep(kWindowPollMs);
    }
}

}  // namespace

void Main() {
    const InstanceMutex instance;
    if (!instance.first()) return ShowRunningCopy();
    const ComApartment com;
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
    ApplyOption(hMainWnd, "Windowpos");
    ApplyStartState(hMainWnd);
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
