#include "face/SkinFolder.h"

#include "settings/SettingsKeys.h"
#include "system/PublicFunction.h"

#include <windows.h>

std::string SkinFolder() {
    const std::string stored = ReadSettingText(settings::SkinPath);
    if (!stored.empty() && GetFileAttributesA(stored.c_str()) != INVALID_FILE_ATTRIBUTES) return stored;
    return ProgramFolder() + "\\skins";
}
