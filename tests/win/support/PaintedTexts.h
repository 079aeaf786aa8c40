#pragma once
// What a window's paint routine writes, read back from an enhanced metafile it painted into (WM_PRINTCLIENT).
#include <windows.h>

#include <string>
#include <tuple>
#include <vector>

// Where a text starts, and the text in the ANSI code page.
using PaintedText = std::tuple<int, int, std::string>;
// A text and the box it covers.
struct PaintedRun {
    PaintedText text;
    RECTL box;
};

inline int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM texts) {
    if (record->iType != EMR_EXTTEXTOUTW) return 1;
    const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
    const auto* wide = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text.offString);
    std::string ansi(text.nChars * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, wide, text.nChars, ansi.data(), ansi.size(), nullptr, nullptr));
    reinterpret_cast<std::vector<PaintedRun>*>(texts)->push_back(
        {{text.ptlReference.x, text.ptlReference.y, ansi}, reinterpret_cast<const EMREXTTEXTOUTW*>(record)->rclBounds});
    return 1;
}

inline std::vector<PaintedRun> PaintedRuns(HWND window) {
    const HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(recorder), PRF_CLIENT);
    const HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    std::vector<PaintedRun> runs;
    EnumEnhMetaFile(nullptr, metafile, CollectText, &runs, nullptr);
    DeleteEnhMetaFile(metafile);
    return runs;
}

inline std::vector<PaintedText> PaintedTexts(HWND window) {
    std::vector<PaintedText> texts;
    for (PaintedRun& run : PaintedRuns(window)) texts.push_back(std::move(run.text));
    return texts;
}
