#include "support/PaintedTexts.h"

#include <map>

namespace {

struct Font {
    std::string face;
    int height = 0;
};

std::string Ansi(const wchar_t* text, int length) {
    std::string result(static_cast<std::size_t>(length) * 2, '\0');
    const int size =
        WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    result.resize(size > 0 ? size : 0);
    return result;
}

PaintedText TextOf(const BYTE* record, const Font& font) {
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const EMRTEXT& text = out->emrtext;
    const BYTE* chars = record + text.offString;
    const std::string content = reinterpret_cast<const EMR*>(record)->iType == EMR_EXTTEXTOUTW
                                    ? Ansi(reinterpret_cast<const wchar_t*>(chars), static_cast<int>(text.nChars))
                                    : std::string(reinterpret_cast<const char*>(chars), text.nChars);
    return {text.ptlReference.x, text.ptlReference.y, content, font.face, font.height};
}

}  // namespace

std::vector<PaintedText> PaintedTexts(HWND window) {
    const HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(recorder), PRF_CLIENT);
    const HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    std::vector<BYTE> bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(metafile);

    std::vector<PaintedText> texts;
    std::map<DWORD, Font> fonts;
    Font current;
    for (std::size_t at = 0; at + sizeof(EMR) <= bytes.size();) {
        const BYTE* record = bytes.data() + at;
        const EMR& header = *reinterpret_cast<const EMR*>(record);
        if (header.iType == EMR_EXTCREATEFONTINDIRECTW) {
            const auto& font = *reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            const LOGFONTW& logical = font.elfw.elfLogFont;
            fonts[font.ihFont] = {Ansi(logical.lfFaceName, lstrlenW(logical.lfFaceName)), int(logical.lfHeight)};
        } else if (header.iType == EMR_SELECTOBJECT) {
            const auto found = fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
            if (found != fonts.end()) current = found->second;
        } else if (header.iType == EMR_EXTTEXTOUTW || header.iType == EMR_EXTTEXTOUTA) {
            texts.push_back(TextOf(record, current));
        }
        if (header.nSize == 0) break;
        at += header.nSize;
    }
    return texts;
}
