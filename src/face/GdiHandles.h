#pragma once
// Owners of the GDI objects the skin module makes: each deletes what it holds, once.
#include <windows.h>

#include <utility>

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using GdiBitmap = GdiObject<HBITMAP>;
using GdiRegion = GdiObject<HRGN>;

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
    explicit operator bool() const { return dc_ != nullptr; }
    HBITMAP bitmap() const { return bitmap_.get(); }

private:
    void Release();

    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;  // the DC's own 1 x 1 bitmap, put back before the DC is deleted
    GdiBitmap bitmap_;
};
