#pragma once
#include <windows.h>

#include <memory>

#include "dialogkit/DialogFont.h"

// The shape of every built-in dialog: one object holds what the open dialog owns. The launcher makes it, the
// dialog takes it at WM_INITDIALOG and deletes it when it closes, so messages that still reach the dialog after
// WM_CLOSE (another window can hold its loop up) find nothing open. A dialog handles each message in one short
// member.
class BuiltInDialog {
public:
    BuiltInDialog(const BuiltInDialog&) = delete;
    BuiltInDialog& operator=(const BuiltInDialog&) = delete;
    virtual ~BuiltInDialog() = default;

    // Runs `dialog` modally over `owner`; returns, once it has ended, what its OnClose gave.
    static INT_PTR Run(HWND owner, std::unique_ptr<BuiltInDialog> dialog);

protected:
    BuiltInDialog() = default;
    HWND hwnd() const { return hwnd_; }
    HFONT font() const { return font_.get(); }

    virtual void OnInitDialog() = 0;
    // Every message but WM_INITDIALOG, the paints and WM_CLOSE.
    virtual void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Draws the dialog's face into the paint DC, or into the DC WM_PRINTCLIENT hands it.
    virtual void PaintContent(HDC dc) = 0;
    // What closing does before the object goes; the result is Run's.
    virtual INT_PTR OnClose() { return 0; }

private:
    static INT_PTR CALLBACK Proc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    static void Release(HWND hDlg);
    HWND hwnd_ = nullptr;
    DialogFont font_;
};

// A dialog open at most once: asking for it again brings the open one to the front.
template <typename Dialog>
class SingleDialog : public BuiltInDialog {
public:
    static void Show(HWND owner) {
        if (open_) return void(SetForegroundWindow(open_->hwnd()));
        Run(owner, std::make_unique<Dialog>());
    }
    static Dialog* Open() { return static_cast<Dialog*>(open_); }

protected:
    SingleDialog() { open_ = this; }
    ~SingleDialog() override { open_ = nullptr; }

private:
    static inline SingleDialog* open_ = nullptr;
};
