#include "system/PublicFunction.h"

#include "system/PathParts.h"

#include <windows.h>

bool IsWin2000OrLater() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

std::string ProgramFolder() {
    std::string folder = FolderOf(ProgramPath());
    if (!folder.empty()) folder.pop_back();
    return folder;
}
