#pragma once
// Counts the GDI and USER objects the program makes and lets go of. Wine's GetGuiResources reports nothing, so
// while a counter lives the program's import slots for the calls that make and release objects point at counting
// ones (as tests/win/support/GdiCount.h does for fonts). An object made is held until a release call lets it go
// (a region handed to its window counts as let go), or until it is found gone by other means: a window destroyed
// with its parent, a menu with the menu it hung from.
#include <windows.h>

#include "support/ImportSlot.h"

#include <map>
#include <tuple>

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
    void* object = const_cast<void*>(handle);
    switch (kind) {
        case Gdi:
            return GetObjectType(object) != 0;
        case Window:
            return IsWindow(static_cast<HWND>(object));
        case Menu:
            return IsMenu(static_cast<HMENU>(object));
        default:
            return true;
    }
}

// A call that makes an object of one kind, and one that lets go of the object its argument `index` names.
template <void*& Real, Kind kind, typename Function>
struct Maker;
template <void*& Real, Kind kind, typename Result, typename... Arguments>
struct Maker<Real, kind, Result(WINAPI*)(Arguments...)> {
    static Result WINAPI Call(Arguments... arguments) {
        const Result made = reinterpret_cast<Result(WINAPI*)(Arguments...)>(Real)(arguments...);
        Made(kind, made);
        return made;
    }
};
template <void*& Real, std::size_t index, typename Function>
struct Releaser;
template <void*& Real, std::size_t index, typename Result, typename... Arguments>
struct Releaser<Real, index, Result(WINAPI*)(Arguments...)> {
    static Result WINAPI Call(Arguments... arguments) {
        Released(std::get<index>(std::tuple(arguments...)));
        return reinterpret_cast<Result(WINAPI*)(Arguments...)>(Real)(arguments...);
    }
};

// The import slots, and the real calls behind them.
#define OBJECT_COUNT_SLOT(name, bytes)                          \
    extern "C" void* slot_##name asm(IMPORT_SLOT(name, bytes)); \
    inline void* real_##name = nullptr;
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
OBJECT_COUNT_SLOT(SetWindowRgn, 12)
#undef OBJECT_COUNT_SLOT

// Bitmaps are GDI objects, icons and cursors USER ones; shared ones belong to the system.
inline HANDLE WINAPI CountLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    const HANDLE made =
        reinterpret_cast<decltype(&::LoadImageA)>(real_LoadImageA)(instance, name, type, width, height, flags);
    if (!(flags & LR_SHARED)) Made(type == IMAGE_BITMAP ? Gdi : Icon, made);
    return made;
}
inline BOOL WINAPI CountEndPaint(HWND window, const PAINTSTRUCT* paint) {
    Released(paint->hdc);
    return reinterpret_cast<decltype(&::EndPaint)>(real_EndPaint)(window, paint);
}

struct Hook {
    void** slot;
    void** real;
    void* counting;
};
#define OBJECT_COUNT_MAKES(name, kind) \
    { &slot_##name, &real_##name, reinterpret_cast<void*>(&Maker<real_##name, kind, decltype(&::name)>::Call) }
#define OBJECT_COUNT_RELEASES(name, index) \
    { &slot_##name, &real_##name, reinterpret_cast<void*>(&Releaser<real_##name, index, decltype(&::name)>::Call) }
inline Hook hooks[] = {
    OBJECT_COUNT_MAKES(CreateCompatibleDC, Gdi),
    OBJECT_COUNT_MAKES(CreateCompatibleBitmap, Gdi),
    OBJECT_COUNT_MAKES(CreateBitmap, Gdi),
    OBJECT_COUNT_MAKES(CreateDIBSection, Gdi),
    OBJECT_COUNT_MAKES(CreateFontA, Gdi),
    OBJECT_COUNT_MAKES(CreateFontIndirectA, Gdi),
    OBJECT_COUNT_MAKES(CreateSolidBrush, Gdi),
    OBJECT_COUNT_MAKES(CreatePen, Gdi),
    OBJECT_COUNT_MAKES(CreateRectRgn, Gdi),
    OBJECT_COUNT_MAKES(ExtCreateRegion, Gdi),
    OBJECT_COUNT_RELEASES(DeleteObject, 0),
    OBJECT_COUNT_RELEASES(DeleteDC, 0),
    OBJECT_COUNT_RELEASES(DestroyIcon, 0),
    OBJECT_COUNT_MAKES(GetDC, WindowDc),
    OBJECT_COUNT_MAKES(GetDCEx, WindowDc),
    OBJECT_COUNT_RELEASES(ReleaseDC, 1),
    OBJECT_COUNT_MAKES(BeginPaint, WindowDc),
    OBJECT_COUNT_MAKES(CreateWindowExA, Window),
    OBJECT_COUNT_RELEASES(DestroyWindow, 0),
    OBJECT_COUNT_MAKES(CreatePopupMenu, Menu),
    OBJECT_COUNT_RELEASES(DestroyMenu, 0),
    // The window owns the region from then on, and Wine drops it at once: its handle is soon another object's.
    OBJECT_COUNT_RELEASES(SetWindowRgn, 1),
    {&slot_LoadImageA, &real_LoadImageA, reinterpret_cast<void*>(&CountLoadImageA)},
    {&slot_EndPaint, &real_EndPaint, reinterpret_cast<void*>(&CountEndPaint)},
};
#undef OBJECT_COUNT_MAKES
#undef OBJECT_COUNT_RELEASES

// The import table sits in a writable section of the program.
inline void SwapAll() {
    for (Hook& hook : hooks) {
        if (!*hook.real) *hook.real = *hook.slot;
        *hook.slot = *hook.slot == hook.counting ? *hook.real : hook.counting;
    }
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
