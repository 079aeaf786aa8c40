#pragma once
// Wine reports no GetGuiResources figures, so this counts the fonts the program creates and has not deleted,
// by pointing the program's import slots for those calls at counting ones while it lives.
#include <windows.h>

#include "support/ImportSlot.h"

#include <set>

extern "C" void* importCreateFont asm(IMPORT_SLOT(CreateFontA, 56));
extern "C" void* importDeleteObject asm(IMPORT_SLOT(DeleteObject, 4));

class GdiObjectCounter {
public:
    GdiObjectCounter() { Swap(), live.clear(); }
    ~GdiObjectCounter() { Swap(); }
    std::size_t Live() const { return live.size(); }

private:
    static inline std::set<HGDIOBJ> live;
    static inline decltype(&CreateFontA) createFont;
    static inline decltype(&DeleteObject) deleteObject;

    static HFONT WINAPI CountFont(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD set,
                                  DWORD op, DWORD cp, DWORD q, DWORD pitch, LPCSTR face) {
        const HFONT font = createFont(h, w, e, o, weight, i, u, s, set, op, cp, q, pitch, face);
        return live.insert(font), font;
    }
    static BOOL WINAPI CountDelete(HGDIOBJ object) { return live.erase(object), deleteObject(object); }

    // The import table sits in a writable section of the test program.
    template <typename Function>
    static void Swap(void*& slot, Function& real, Function counting) {
        if (!real) real = reinterpret_cast<Function>(slot);
        slot = reinterpret_cast<void*>(slot == reinterpret_cast<void*>(counting) ? real : counting);
    }
    static void Swap() {
        Swap(importCreateFont, createFont, &CountFont), Swap(importDeleteObject, deleteObject, &CountDelete);
    }
};
