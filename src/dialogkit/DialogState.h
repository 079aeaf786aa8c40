#pragma once
#include <windows.h>

#include <memory>

#include "dialogkit/clsDialog.h"

// What an open built-in dialog owns: made at WM_INITDIALOG, released when the dialog closes. Such a dialog is
// open at most once; asking for it again brings the open one to the front.
template <typename State>
class DialogState {
public:
    void Show(HWND owner, DLGPROC procedure) {
        if (state_) {
            SetForegroundWindow(dialog_);
            return;
        }
        RunBuiltInDialog(owner, procedure);
    }
    State& Open(HWND hDlg) {
        dialog_ = hDlg;
        state_ = std::make_unique<State>();
        return *state_;
    }
    // The handlers find nothing open while the controls are destroyed.
    void Release() { std::unique_ptr<State> closing = std::move(state_); }
    explicit operator bool() const { return state_ != nullptr; }
    State* operator->() const { return state_.get(); }
    State& operator*() const { return *state_; }

private:
    HWND dialog_ = nullptr;
    std::unique_ptr<State> state_;
};
