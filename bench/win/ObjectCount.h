#pragma once
// Counts the GDI and USER objects the program makes and lets go of. Wine's GetGuiResources reports nothing, so
// while a counter lives the program's import slots for the calls that make and release objects point at counting
// ones (as tests/win/support/GdiCount.h does for fonts). An object made is held until a release call lets it go,
// or until it is found gone by other means: a region a window took over and dropped, a window destroyed with its
// parent, a menu with the menu it hung from.
#include <windows.h>

#include <map>

namespace object_count {

enum Kind { Gdi, WindowDc, Window, Menu, Icon, kKinds };
inline constexpr const char* kKindNames[kKinds] = {"GDI objects", "window DCs", "windows", "menus", "icons"};

struct Figures {
    long made[kKinds] = {};
    long released[kKinds] = {};
    long held[kKinds] = {};
};

inline std::map<const void*, Kind> held;
inline Figures figures;

inline void Made(Kind kind, const void* handle) {
    if (!handle) return;
    // A handle given out again: the object that had it is gone.
    if (const auto earlier = held.find(handle); earlier != held.end()) ++figures.released[earlier->second];
    held[handle] = kind;
    ++figures.made[kind];
}

inline void Released(const void* handle) {
    const auto found = held.find(handle);
    if (found == held.end()) return;
    ++figures.released[found->second];
    held.erase(found);
}

// Whether an object still exists; DCs and icons are only ever let go by their release calls.
inline bool Exists(Kind kind, const void* handle) {
    switch (kind) {
        case Gdi:
            return GetObjectType(const_cast<void*>(handle)) != 0;
        case Window:
            return IsWindow(static_cast<HWND>(const_cast<void*>(handle)));
        case Menu:
            return IsMenu(static_cast<HMENU>(const_cast<void*>(handle)));
        default:
            return true;
    }
}

// The import slots, and the real calls behind them.
#define OBJECT_COUNT_SLOT(name, bytes)                            \
    extern "C" void* slot_##name asm("__imp__" #name "@" #bytes); \
    inline decltype(&::name) real_##name = nullptr;
OBJECT_COUNT_SLOT(CreateCompatibleDC, 4)
OBJECT_COUNT_SLOT(CreateCompatibleBitmap, 12)
OBJECT_COUNT_SLOT(CreateBitmap, 20)
OBJECT_COUNT_SLOT(CreateDIBSection, 24)
OBJECT_COUNT_SLOT(CreateFontA, 56)
OBJECT_COUNT_SLOT(CreateFontIndirectA, 4)
OBJECT_COUNT_SLOT(CreateSolidBrush, 4)
OBJECT_COUNT_SLOT(CreatePen, 12)
OBJECT_COUNT_SLOT(CreateRectRgn, 16)
OBJECT_COUNT_SLOT(ExtCreateRegion, 12)
OBJECT_COUNT_SLOT(DeleteObject, 4)
OBJECT_COUNT_SLOT(DeleteDC, 4)
OBJECT_COUNT_SLOT(LoadImageA, 24)
OBJECT_COUNT_SLOT(DestroyIcon, 4)
OBJECT_COUNT_SLOT(GetDC, 4)
OBJECT_COUNT_SLOT(GetDCEx, 12)
OBJECT_COUNT_SLOT(ReleaseDC, 8)
OBJECT_COUNT_SLOT(BeginPaint, 8)
OBJECT_COUNT_SLOT(EndPaint, 8)
OBJECT_COUNT_SLOT(CreateWindowExA, 48)
OBJECT_COUNT_SLOT(DestroyWindow, 4)
OBJECT_COUNT_SLOT(CreatePopupMenu, 0)
OBJECT_COUNT_SLOT(DestroyMenu, 4)
#undef OBJECT_COUNT_SLOT

inline HDC WINAPI CountCreateCompatibleDC(HDC dc) {
    const HDC made = real_CreateCompatibleDC(dc);
    return Made(Gdi, made), made;
}
inline HBITMAP WINAPI CountCreateCompatibleBitmap(HDC dc, int width, int height) {
    const HBITMAP made = real_CreateCompatibleBitmap(dc, width, height);
    return Made(Gdi, made), made;
}
inline HBITMAP WINAPI CountCreateBitmap(int width, int height, UINT planes, UINT bits, const void* data) {
    const HBITMAP made = real_CreateBitmap(width, height, planes, bits, data);
    return Made(Gdi, made), made;
}
inline HBITMAP WINAPI CountCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                            DWORD offset) {
    const HBITMAP made = real_CreateDIBSection(dc, info, usage, bits, section, offset);
    return Made(Gdi, made), made;
}
inline HFONT WINAPI CountCreateFontA(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD set,
                                     DWORD op, DWORD cp, DWORD q, DWORD pitch, LPCSTR face) {
    const HFONT made = real_CreateFontA(h, w, e, o, weight, i, u, s, set, op, cp, q, pitch, face);
    return Made(Gdi, made), made;
}
inline HFONT WINAPI CountCreateFontIndirectA(const LOGFONTA* font) {
    const HFONT made = real_CreateFontIndirectA(font);
    return Made(Gdi, made), made;
}
inline HBRUSH WINAPI CountCreateSolidBrush(COLORREF colour) {
    const HBRUSH made = real_CreateSolidBrush(colour);
    return Made(Gdi, made), made;
}
inline HPEN WINAPI CountCreatePen(int style, int width, COLORREF colour) {
    const HPEN made = real_CreatePen(style, width, colour);
    return Made(Gdi, made), made;
}
inline HRGN WINAPI CountCreateRectRgn(int left, int top, int right, int bottom) {
    const HRGN made = real_CreateRectRgn(left, top, right, bottom);
    return Made(Gdi, made), made;
}
inline HRGN WINAPI CountExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data) {
    const HRGN made = real_ExtCreateRegion(transform, size, data);
    return Made(Gdi, made), made;
}
inline BOOL WINAPI CountDeleteObject(HGDIOBJ object) { return Released(object), real_DeleteObject(object); }
inline BOOL WINAPI CountDeleteDC(HDC dc) { return Released(dc), real_DeleteDC(dc); }
// Bitmaps are GDI objects, icons and cursors USER ones; shared ones belong to the system.
inline HANDLE WINAPI CountLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    const HANDLE made = real_LoadImageA(instance, name, type, width, height, flags);
    if (!(flags & LR_SHARED)) Made(type == IMAGE_BITMAP ? Gdi : Icon, made);
    return made;
}
inline BOOL WINAPI CountDestroyIcon(HICON icon) { return Released(icon), real_DestroyIcon(icon); }
inline HDC WINAPI CountGetDC(HWND window) {
    const HDC made = real_GetDC(window);
    return Made(WindowDc, made), made;
}
inline HDC WINAPI CountGetDCEx(HWND window, HRGN clip, DWORD flags) {
    const HDC made = real_GetDCEx(window, clip, flags);
    return Made(WindowDc, made), made;
}
inline int WINAPI CountReleaseDC(HWND window, HDC dc) { return Released(dc), real_ReleaseDC(window, dc); }
inline HDC WINAPI CountBeginPaint(HWND window, PAINTSTRUCT* paint) {
    const HDC made = real_BeginPaint(window, paint);
    return Made(WindowDc, made), made;
}
inline BOOL WINAPI CountEndPaint(HWND window, const PAINTSTRUCT* paint) {
    return Released(paint->hdc), real_EndPaint(window, paint);
}
inline HWND WINAPI CountCreateWindowExA(DWORD exStyle, LPCSTR windowClass, LPCSTR title, DWORD style, int x, int y,
                                        int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                        LPVOID parameter) {
    const HWND made = real_CreateWindowExA(exStyle, windowClass, title, style, x, y, width, height, parent, menu,
                                           instance, parameter);
    return Made(Window, made), made;
}
inline BOOL WINAPI CountDestroyWindow(HWND window) {
    const BOOL done = real_DestroyWindow(window);
    return Released(window), done;
}
inline HMENU WINAPI CountCreatePopupMenu() {
    const HMENU made = real_CreatePopupMenu();
    return Made(Menu, made), made;
}
inline BOOL WINAPI CountDestroyMenu(HMENU menu) { return Released(menu), real_DestroyMenu(menu); }

template <typename Function>
void Swap(void*& slot, Function& real, Function counting) {
    if (!real) real = reinterpret_cast<Function>(slot);
    slot = reinterpret_cast<void*>(slot == reinterpret_cast<void*>(counting) ? real : counting);
}

// The import table sits in a writable section of the program.
inline void SwapAll() {
#define OBJECT_COUNT_SWAP(name) Swap(slot_##name, real_##name, &Count##name);
    OBJECT_COUNT_SWAP(CreateCompatibleDC)
    OBJECT_COUNT_SWAP(CreateCompatibleBitmap) OBJECT_COUNT_SWAP(CreateBitmap) OBJECT_COUNT_SWAP(CreateDIBSection)
        OBJECT_COUNT_SWAP(CreateFontA) OBJECT_COUNT_SWAP(CreateFontIndirectA) OBJECT_COUNT_SWAP(CreateSolidBrush)
            OBJECT_COUNT_SWAP(CreatePen) OBJECT_COUNT_SWAP(CreateRectRgn) OBJECT_COUNT_SWAP(ExtCreateRegion)
                OBJECT_COUNT_SWAP(DeleteObject) OBJECT_COUNT_SWAP(DeleteDC) OBJECT_COUNT_SWAP(LoadImageA)
                    OBJECT_COUNT_SWAP(DestroyIcon) OBJECT_COUNT_SWAP(GetDC) OBJECT_COUNT_SWAP(GetDCEx)
                        OBJECT_COUNT_SWAP(ReleaseDC) OBJECT_COUNT_SWAP(BeginPaint) OBJECT_COUNT_SWAP(EndPaint)
                            OBJECT_COUNT_SWAP(CreateWindowExA) OBJECT_COUNT_SWAP(DestroyWindow)
                                OBJECT_COUNT_SWAP(CreatePopupMenu) OBJECT_COUNT_SWAP(DestroyMenu)
#undef OBJECT_COUNT_SWAP
}

}  // namespace object_count

class ObjectCount {
public:
    ObjectCount() { object_count::SwapAll(); }
    ~ObjectCount() { object_count::SwapAll(); }
    ObjectCount(const ObjectCount&) = delete;
    ObjectCount& operator=(const ObjectCount&) = delete;

    // Lets go of whatever is gone by other means, then reports.
    object_count::Figures Now() const {
        using namespace object_count;
        for (auto it = held.begin(); it != held.end();) {
            if (Exists(it->second, it->first)) {
                ++it;
                continue;
            }
            ++figures.released[it->second];
            it = held.erase(it);
        }
        Figures now = figures;
        for (const auto& [handle, kind] : held) ++now.held[kind];
        return now;
    }
};
