#include "settings/RegStore.h"

#include "system/HandleGuards.h"

#include <windows.h>

#include <string>

namespace {

constexpr REGSAM kAccess = 0x3F;

HKEY RootHandle(RegRoot root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

bool Open(RegRoot root, std::string_view path, RegKey& key) {
    return RegOpenKeyExA(RootHandle(root), std::string(path).c_str(), 0, kAccess, key.out()) == ERROR_SUCCESS;
}

}  // namespace

namespace regstore {

bool Write(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t type, const void* data,
           std::size_t size) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    RegKey key;
    char noClass[] = "";
    if (RegCreateKeyExA(RootHandle(root), std::string(keyPath).c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, kAccess,
                        &security, key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.get(), std::string(name).c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

Found Read(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t& type,
           std::vector<std::uint8_t>& data) {
    RegKey key;
    if (!Open(root, keyPath, key)) return Found::KeyMissing;
    const std::string valueName(name);
    DWORD valueType = 0;
    // Most values fit the first buffer, so one query reads them; a longer one is read again at its size.
    DWORD size = 1024;
    for (;;) {
        data.resize(size);
        const LONG result = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &valueType, data.data(), &size);
        if (result == ERROR_SUCCESS) break;
        if (result != ERROR_MORE_DATA) return Found::ValueMissing;
    }
    data.resize(size);
    type = valueType;
    return Found::Value;
}

void DeleteKey(RegRoot root, std::string_view parentPath, std::string_view subkey) {
    RegKey parent;
    if (Open(root, parentPath, parent)) RegDeleteKeyA(parent.get(), std::string(subkey).c_str());
}

void DeleteValue(RegRoot root, std::string_view keyPath, std::string_view name) {
    RegKey key;
    if (Open(root, keyPath, key)) RegDeleteValueA(key.get(), std::string(name).c_str());
}

}  // namespace regstore
