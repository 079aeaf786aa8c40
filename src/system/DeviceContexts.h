#pragma once
// Owners of window DCs and of what is selected into a DC: each puts back or lets go of what it took, once.
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
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Sets a DC's text colour and puts the previous one back.
class SelectedTextColour {
public:
    SelectedTextColour(HDC dc, COLORREF colour) : dc_(dc), previous_(SetTextColor(dc, colour)) {}
    SelectedTextColour(const SelectedTextColour&) = delete;
    SelectedTextColour& operator=(const SelectedTextColour&) = delete;
    ~SelectedTextColour() { SetTextColor(dc_, previous_); }

private:
    HDC dc_;
    COLORREF previous_;
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
    SkinDC(HDC compatibleWith, GdiBitmap bitmap) : dc_(CreateCompatibleDC(compatibleWith)) {
        if (!dc_) return;
        bitmap_ = std::move(bitmap);
        original_ = SelectObject(dc_, bitmap_);
    }
    SkinDC(SkinDC&& other) noexcept { *this = std::move(other); }
    // The DC's own bitmap goes back in before the DC goes, then the bitmap goes.
    SkinDC& operator=(SkinDC&& other) noexcept {
        if (this == &other) return *this;
        PutBackOriginal();
        dc_ = std::move(other.dc_);
        original_ = std::exchange(other.original_, nullptr);
        bitmap_ = std::move(other.bitmap_);
        return *this;
    }
    ~SkinDC() { PutBackOriginal(); }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return static_cast<bool>(dc_); }

private:
    void PutBackOriginal() {
        if (dc_ && original_) SelectObject(dc_, original_);
    }
    MemoryDC dc_;
    HGDIOBJ original_ = nullptr;  // the DC's own 1 x 1 bitmap
    GdiBitmap bitmap_;
};
