#include "forms/FormWindow.h"

#include "dialogkit/ControlHandles.h"
#include "dialogkit/CentredPlace.h"
#include "dialogkit/DpiChange.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/WindowScale.h"

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

std::vector<HWND> openForms;

void RegisterFormClass(const char* className, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(instance, className, &known)) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    // Room for the dialog manager's own fields.
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = ClassIcon(SM_CXICON);
    windowClass.hIconSm = ClassIcon(SM_CXSMICON);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

}  // namespace

bool FormWindow::IsFormMessage(MSG* msg) {
    // A form may open or close another while it handles the message.
    const std::vector<HWND> forms = openForms;
    for (const HWND form : forms)
        if (IsDialogMessageA(form, msg)) return true;
    return false;
}

bool FormWindow::Create(const char* className, const char* caption, int clientWidth, int clientHeight,
                        std::span<const FormControl> controls) {
    RegisterFormClass(className, Proc);
    if (!CreateWindowExA(0, className, caption, kFormStyle, 0, 0, Pixels(clientWidth), Pixels(clientHeight), nullptr,
                         nullptr, GetModuleHandleA(nullptr), this)) {
        delete this;
        return false;
    }
    ownedByWindow_ = true;
    // Its DPI is known once the window is there.
    font_.FitTo(hwnd_);
    RECT frame{0, 0, ScaleForWindow(hwnd_, Pixels(clientWidth)), ScaleForWindow(hwnd_, Pixels(clientHeight))};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    PlaceCentred(hwnd_, width, height);
    for (const FormControl& control : controls) {
        const HWND child =
            CreateChildControl(control.exStyle, control.windowClass, control.text,
                               WS_CHILD | WS_VISIBLE | control.style, Pixels(control.left), Pixels(control.top),
                               Pixels(control.width), Pixels(control.height), hwnd_, control.id);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return true;
}

void FormWindow::BringToFront() const {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
}

void FormWindow::Show() const {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    BringToFront();
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetNextDlgTabItem(hwnd_, nullptr, FALSE)), TRUE);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        FollowDpiChange(hwnd_, font_, wParam, lParam);
        return 0;
    }
    if (message != WM_CLOSE) return DefDlgProcA(hwnd_, message, wParam, lParam);
    // Closing from the caption or the system menu is Cancel.
    Close();
    return 0;
}

std::string FormWindow::ItemText(int id) const {
    const HWND item = Item(id);
    std::string text(GetWindowTextLengthA(item) + 1, '\0');
    text.resize(GetWindowTextA(item, text.data(), static_cast<int>(text.size())));
    return text;
}

void FormWindow::SetItemText(int id, const std::string& text) const { SetDlgItemTextA(hwnd_, id, text.c_str()); }

void FormWindow::EnableItem(int id, bool enabled) const {
    const HWND item = Item(id);
    const HWND focus = GetFocus();
    if (!enabled && (focus == item || IsChild(item, focus))) SendMessageA(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(item, enabled);
}

void FormWindow::FocusItem(int id) const {
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(form));
        openForms.push_back(hwnd);
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!form) return DefDlgProcA(hwnd, message, wParam, lParam);
    const LRESULT result = form->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        std::erase(openForms, hwnd);
        // A window that fails while it is being created leaves its form to Create.
        if (form->ownedByWindow_) delete form;
    }
    return result;
}
