#include "support/CleanSettings.h"

#include <windows.h>

#include <string>

namespace {

// Every key the program writes under the current user, and where each waits while a test runs.
constexpr const char* kProgramKeys[] = {"Software\\Tollwick", "Software\\Marrowby Clock"};
constexpr char kKept[] = "Software\\Tollwick tests kept";

std::string KeptPlace(const std::string& key) { return std::string(kKept) + key.substr(key.rfind('\\')); }

// Moves the key `from` with all it holds to `to`, replacing what `to` held; nothing when `from` is absent.
void MoveKey(const std::string& from, const std::string& to) {
    HKEY source = nullptr, target = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) return;
    RegDeleteTreeA(HKEY_CURRENT_USER, to.c_str());
    if (RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
        ERROR_SUCCESS) {
        RegCopyTreeA(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
    RegDeleteTreeA(HKEY_CURRENT_USER, from.c_str());
}

void PutBack() {
    for (const std::string key : kProgramKeys) {
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        MoveKey(KeptPlace(key), key);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kKept);
}

}  // namespace

CleanSettings::CleanSettings() {
    HKEY left = nullptr;  // kept by a test that ended without putting it back
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKept, 0, KEY_READ, &left) == ERROR_SUCCESS) {
        RegCloseKey(left);
        PutBack();
    }
    for (const std::string key : kProgramKeys) MoveKey(key, KeptPlace(key));
}

CleanSettings::~CleanSettings() { PutBack(); }
