#pragma once
// Owners of the handles the program opens: each lets go of what it holds once, and none can be copied.
#include <windows.h>

#include <utility>

// A handle and the call that lets it go; a null handle holds nothing.
template <typename Handle, typename Close>
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
        if (handle_) Close()(handle_);
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

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct CloseRegKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

template <typename Handle>
using GdiObject = ScopedHandle<Handle, DeleteGdiObject>;
using GdiBitmap = GdiObject<HBITMAP>;
using GdiRegion = GdiObject<HRGN>;
using GdiFont = GdiObject<HFONT>;
using RegKey = ScopedHandle<HKEY, CloseRegKey>;
// A process token, a mutex, ...: whatever CloseHandle lets go.
using KernelHandle = ScopedHandle<HANDLE, CloseKernelHandle>;
using MenuHandle = ScopedHandle<HMENU, DestroyMenuHandle>;
