#pragma once
// Owners of device contexts and of what is selected into them: each puts back or lets go of what it took, once.
#include "system/HandleGuards.h"

#include <windows.h>

#include <utility>

// A window's DC, from GetDC or (with flags) GetDCEx, released to its window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC compatible with another DC, or with the screen for none.
class MemoryDC {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDC& operator=(MemoryDC&& other) noexcept {
        if (this != &other) {
            Delete();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~MemoryDC() { Delete(); }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    void Delete() {
        if (dc_) DeleteDC(dc_);
    }
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC that owns the bitmap selected into it: both go when the DC goes.
class SkinDC {
public:
    SkinDC() = default;
    SkinDC(HDC compatibleWith, GdiBitmap bitmap);
    SkinDC(const SkinDC&) = delete;
    SkinDC& operator=(const SkinDC&) = delete;
    SkinDC(SkinDC&& other) noexcept;
    SkinDC& operator=(SkinDC&& other) noexcept;
    ~SkinDC();
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return static_cast<bool>(dc_); }
    HBITMAP bitmap() const { return bitmap_.get(); }

private:
    GdiBitmap bitmap_;  // deleted after the DC, when nothing holds it any more
    MemoryDC dc_;
    HGDIOBJ original_ = nullptr;  // the DC's own 1 x 1 bitmap, put back before the DC is deleted
};
