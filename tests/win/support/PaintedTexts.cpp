#include "support/PaintedTexts.h"

#include <algorithm>
#include <map>

namespace {

std::string Ansi(const wchar_t* text, int length) {
    std::string result(static_cast<std::size_t>(length) * 2, '\0');
    result.resize(
        std::max(0, WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), int(result.size()), nullptr, nullptr)));
    return result;
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
    std::map<DWORD, PaintedText> fonts;  // face and height by object number
    PaintedText font{};
    for (std::size_t at = 0; at + sizeof(EMR) <= bytes.size();) {
        const BYTE* record = bytes.data() + at;
        const EMR& header = *reinterpret_cast<const EMR*>(record);
        if (header.iType == EMR_EXTCREATEFONTINDIRECTW) {
            const auto& created = *reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            const LOGFONTW& logical = created.elfw.elfLogFont;
            fonts[created.ihFont] = {
                0, 0, {}, Ansi(logical.lfFaceName, lstrlenW(logical.lfFaceName)), int(logical.lfHeight)};
        } else if (header.iType == EMR_SELECTOBJECT) {
            const auto found = fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
            if (found != fonts.end()) font = found->second;
        } else if (header.iType == EMR_EXTTEXTOUTW) {
            const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
            texts.push_back({text.ptlReference.x, text.ptlReference.y,
                             Ansi(reinterpret_cast<const wchar_t*>(record + text.offString), int(text.nChars)),
                             font.face, font.height});
        }
        if (header.nSize == 0) break;
        at += header.nSize;
    }
    return texts;
}
