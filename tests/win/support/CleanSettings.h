#pragma once
// Gives a test the program's registry keys empty, whatever the prefix held, and puts back what was there when
// it goes: tests then pass in any order and in a prefix that already has settings.
#include <windows.h>

#include <string>

class CleanSettings {
public:
    CleanSettings() {
        HKEY left = nullptr;  // kept by a test that ended without putting it back
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kKept, 0, KEY_READ, &left) == ERROR_SUCCESS) RegCloseKey(left), PutBack();
        for (const std::string key : kProgramKeys) Move(key, Kept(key));
    }
    CleanSettings(const CleanSettings&) = delete;
    CleanSettings& operator=(const CleanSettings&) = delete;
    ~CleanSettings() { PutBack(); }

private:
    // Every key the program writes under the current user, and where each waits while a test runs.
    static constexpr const char* kProgramKeys[] = {"Software\\Tollwick", "Software\\Marrowby Clock"};
    static constexpr char kKept[] = "Software\\Tollwick tests kept";

    static std::string Kept(const std::string& key) { return kKept + key.substr(key.rfind('\\')); }
    // Moves `from` with all it holds to `to`, replacing what `to` held.
    static void Move(const std::string& from, const std::string& to) {
        RegDeleteTreeA(HKEY_CURRENT_USER, to.c_str());
        HKEY source = nullptr, target = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) return;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
            ERROR_SUCCESS)
            RegCopyTreeA(source, nullptr, target), RegCloseKey(target);
        RegCloseKey(source);
        RegDeleteTreeA(HKEY_CURRENT_USER, from.c_str());
    }
    static void PutBack() {
        for (const std::string key : kProgramKeys) Move(Kept(key), key);
        RegDeleteTreeA(HKEY_CURRENT_USER, kKept);
    }
};
