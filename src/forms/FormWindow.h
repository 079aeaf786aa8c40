#pragma once
// A modeless top-level form: a window of its own class whose default procedure is the dialog manager's, so
// it has the keys of a dialog (Tab, arrows within a group, Enter for the default button, Escape for Cancel,
// mnemonics) and keeps its focused control across activations. Laid out in twips, centred on the screen.
// The form object lives as long as its window: the window's last message deletes it.
#include "dialogkit/DialogFont.h"

#include <windows.h>

#include <span>
#include <string>

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// One control of a layout table, placed in twips from the form's client origin.
struct FormControl {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;  // beyond WS_CHILD | WS_VISIBLE
    int left, top, width, height;
    DWORD exStyle = 0;
};

class FormWindow {
public:
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    // Restores the window when it is minimised and activates it.
    void BringToFront() const;
    // Destroys the window, and with it this object: return at once after calling it.
    void Close() const { DestroyWindow(hwnd_); }

    // Gives an open form the dialog keys meant for it; true when a form took the message.
    static bool IsFormMessage(MSG* msg);

protected:
    FormWindow() = default;
    virtual ~FormWindow() = default;

    // Creates the window hidden and centred, with its controls in the dialog font. On failure the object is
    // deleted and the result is false.
    bool Create(const char* className, const char* caption, int clientWidth, int clientHeight,
                std::span<const FormControl> controls);
    // Shows the window in front and puts the focus on its first tab stop.
    void Show() const;
    // Messages not handled go to the default dialog procedure through here; WM_CLOSE closes the form.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    // A control that is disabled while it has the focus hands the focus on to the next tab stop.
    void EnableItem(int id, bool enabled) const;
    void FocusItem(int id) const;
    bool IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    HFONT font() const { return font_.get(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    bool ownedByWindow_ = false;
    DialogFont font_;
};
