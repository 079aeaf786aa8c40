#include "support/GdiCount.h"

#include <cstring>
#include <set>

namespace {

std::set<void*> live;
decltype(&CreateFontA) realCreateFont;
decltype(&DeleteObject) realDeleteObject;
decltype(&LoadImageA) realLoadImage;
decltype(&DestroyIcon) realDestroyIcon;

HFONT WINAPI CountCreateFont(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD set, DWORD op,
                             DWORD cp, DWORD q, DWORD pitch, LPCSTR face) {
    const HFONT font = realCreateFont(h, w, e, o, weight, i, u, s, set, op, cp, q, pitch, face);
    live.insert(font);
    return font;
}
BOOL WINAPI CountDeleteObject(HGDIOBJ object) { return live.erase(object), realDeleteObject(object); }
HANDLE WINAPI CountLoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    const HANDLE image = realLoadImage(instance, name, type, cx, cy, flags);
    if (!(flags & LR_SHARED)) live.insert(image);
    return image;
}
BOOL WINAPI CountDestroyIcon(HICON icon) { return live.erase(icon), realDestroyIcon(icon); }

// The program's import slot for dll!function, found by name.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); entry->Name; ++entry) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + entry->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots)
            if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) &&
                std::strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name, function) ==
                    0)
                return reinterpret_cast<void**>(&slots->u1.Function);
    }
    return nullptr;
}

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
