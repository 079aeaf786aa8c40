#include "dialogkit/clsLabel.h"

void clsLabel::CreateLabel(HWND hwnd, const std::string& strText, int X, int Y, HFONT hWndFont, DWORD Style, int ID) {
    handle_.Set(CreateChildControl(0, "STATIC", strText.c_str(), WS_CHILD | WS_VISIBLE | SS_SIMPLE | Style, X, Y, 200,
                                   18, hwnd, ID));
    SendMessageA(handle_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(hWndFont), TRUE);
}
