#pragma once
// The handle bookkeeping the control wrappers share: a fixed list in creation order, or one handle that
// each create overwrites. Both destroy what they hold when released.
#include <windows.h>

#include <array>
#include <cstddef>

// Registers the common-control classes a wrapper needs.
void InitCommonControlClasses(DWORD classes);

template <std::size_t Capacity>
class HandleList {
public:
    HandleList() = default;
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
    ~HandleList() { Release(); }

    void Add(HWND handle) {
        if (count_ < Capacity) handles_[count_++] = handle;
    }
    // Entry n in creation order; 0 for an entry not filled.
    HWND operator[](long n) const { return (n >= 0 && static_cast<std::size_t>(n) < Capacity) ? handles_[n] : nullptr; }
    void Release() {
        if (!handles_[0]) return;
        for (std::size_t i = 0; i < count_; ++i) {
            DestroyWindow(handles_[i]);
            handles_[i] = nullptr;
        }
        count_ = 0;
    }

private:
    std::array<HWND, Capacity> handles_{};
    std::size_t count_ = 0;
};

class SingleHandle {
public:
    SingleHandle() = default;
    SingleHandle(const SingleHandle&) = delete;
    SingleHandle& operator=(const SingleHandle&) = delete;
    ~SingleHandle() { Release(); }

    // Earlier controls stay with their parent, which destroys them.
    void Set(HWND handle) { handle_ = handle; }
    HWND get() const { return handle_; }
    void Release() {
        if (handle_) DestroyWindow(handle_);
        handle_ = nullptr;
    }

private:
    HWND handle_ = nullptr;
};

// CreateWindowExA for a child control: no creation data, the program's instance, the id as the menu. The place
// and size are layout numbers, scaled to the parent's DPI.
HWND CreateChildControl(DWORD exStyle, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                        int height, HWND parent, int id);
// MoveWindow for a child control, the place and size as layout numbers scaled to the parent's DPI.
void MoveChildControl(HWND child, int x, int y, int width, int height, bool repaint);
