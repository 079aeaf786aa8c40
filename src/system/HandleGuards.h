#pragma once
// Owners of the handles the program opens: each lets go of what it holds once, and none can be copied.
#include <windows.h>

#include <utility>

// A handle and the call that lets it go; a null handle holds nothing.
template <typename Handle, auto Close>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~ScopedHandle() { reset(); }
    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) Close(handle_);
        handle_ = handle;
    }
    // Where a call that opens a handle puts it.
    Handle* out() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = nullptr;
};

template <typename Handle>
using GdiObject = ScopedHandle<Handle, &DeleteObject>;
using GdiBitmap = GdiObject<HBITMAP>;
using GdiRegion = GdiObject<HRGN>;
using GdiFont = GdiObject<HFONT>;
// A memory DC, from CreateCompatibleDC.
using MemoryDC = ScopedHandle<HDC, &DeleteDC>;
using MenuHandle = ScopedHandle<HMENU, &DestroyMenu>;
using RegKey = ScopedHandle<HKEY, &RegCloseKey>;
// A process token, a mutex, ...: whatever CloseHandle lets go.
using KernelHandle = ScopedHandle<HANDLE, &CloseHandle>;
