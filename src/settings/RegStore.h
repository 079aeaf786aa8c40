#pragma once
// Raw value storage under RegProcess. Two implementations are chosen at link time:
// advapi32 (the program, and tests under Wine) and an in-memory store (native tests).
#include "settings/RegValue.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace regstore {

enum class Found { KeyMissing, ValueMissing, Value };

// Creates the key path when needed.
bool Write(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t type,
           const void* data, std::size_t size);
// Reads the whole value, however long.
Found Read(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t& type,
           std::vector<std::uint8_t>& data);
// A key that still has subkeys is not deleted, as with RegDeleteKeyA on Windows NT.
void DeleteKey(RegRoot root, std::string_view parentPath, std::string_view subkey);
void DeleteValue(RegRoot root, std::string_view keyPath, std::string_view name);

}  // namespace regstore
