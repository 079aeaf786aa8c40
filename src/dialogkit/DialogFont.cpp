#include "dialogkit/DialogFont.h"

DialogFont::DialogFont() : font_(CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma")) {}
