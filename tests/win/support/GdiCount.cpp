#include "support/GdiCount.h"

#include <cstring>
#include <set>

namespace {

std::set<void*> live;

decltype(&CreateFontA) realCreateFont;
decltype(&CreateFontIndirectA) realCreateFontIndirect;
decltype(&CreateSolidBrush) realCreateSolidBrush;
decltype(&DeleteObject) realDeleteObject;
decltype(&LoadImageA) realLoadImage;
decltype(&DestroyIcon) realDestroyIcon;

template <typename Handle>
Handle Created(Handle handle) {
    if (handle) live.insert(handle);
    return handle;
}

HFONT WINAPI CountCreateFont(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD set, DWORD op,
                             DWORD cp, DWORD q, DWORD pitch, LPCSTR face) {
    return Created(realCreateFont(h, w, e, o, weight, i, u, s, set, op, cp, q, pitch, face));
}
HFONT WINAPI CountCreateFontIndirect(const LOGFONTA* font) { return Created(realCreateFontIndirect(font)); }
HBRUSH WINAPI CountCreateSolidBrush(COLORREF color) { return Created(realCreateSolidBrush(color)); }
BOOL WINAPI CountDeleteObject(HGDIOBJ object) {
    live.erase(object);
    return realDeleteObject(object);
}
HANDLE WINAPI CountLoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    const HANDLE image = realLoadImage(instance, name, type, cx, cy, flags);
    return (flags & LR_SHARED) ? image : Created(image);
}
BOOL WINAPI CountDestroyIcon(HICON icon) {
    live.erase(icon);
    return realDestroyIcon(icon);
}

// The program's import slot for dll!function, found by name.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + entry->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

// Points the program's import of dll!name at the counting function, or back at the real one.
template <typename Function>
void Patch(const char* dll, const char* name, Function& real, Function counting, bool on) {
    void** slot = ImportSlot(dll, name);
    if (!slot) return;
    if (!real) real = reinterpret_cast<Function>(*slot);
    DWORD protection;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = reinterpret_cast<void*>(on ? counting : real);
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

void PatchAll(bool on) {
    Patch("gdi32.dll", "CreateFontA", realCreateFont, CountCreateFont, on);
    Patch("gdi32.dll", "CreateFontIndirectA", realCreateFontIndirect, CountCreateFontIndirect, on);
    Patch("gdi32.dll", "CreateSolidBrush", realCreateSolidBrush, CountCreateSolidBrush, on);
    Patch("gdi32.dll", "DeleteObject", realDeleteObject, CountDeleteObject, on);
    Patch("user32.dll", "LoadImageA", realLoadImage, CountLoadImage, on);
    Patch("user32.dll", "DestroyIcon", realDestroyIcon, CountDestroyIcon, on);
}

}  // namespace

GdiObjectCounter::GdiObjectCounter() {
    live.clear();
    PatchAll(true);
}

GdiObjectCounter::~GdiObjectCounter() { PatchAll(false); }

std::size_t GdiObjectCounter::Live() const { return live.size(); }

DWORD GdiObjectCounter::ReportedGdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

DWORD GdiObjectCounter::ReportedUserObjects() { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); }
