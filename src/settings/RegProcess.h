#pragma once
// The one way the program touches the registry: each call opens its key, does one job and closes it.
#include "settings/RegValue.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Writes text (REG_SZ, without terminator) or a number (REG_DWORD; numeric text is converted).
// Creates the key when needed. Non-numeric text for a number writes nothing and returns false.
bool SaveRegValue(RegRoot root, std::string_view keyPath, std::string_view name, RegType type,
                  std::string_view value);
bool SaveRegValue(RegRoot root, std::string_view keyPath, std::string_view name, RegType type,
                  std::int32_t value);
// Writes bytes as REG_BINARY (the alarm records).
bool SaveRegBinary(RegRoot root, std::string_view keyPath, std::string_view name,
                   const std::uint8_t* data, std::size_t size);

RegValue GetRegValue(RegRoot root, std::string_view keyPath, std::string_view name);

// Missing keys and values are ignored.
void DeleteRegKey(RegRoot root, std::string_view parentPath, std::string_view subkey);
void DeleteRegValue(RegRoot root, std::string_view keyPath, std::string_view name);

// While a root is read-only, writes under it fail and deletes do nothing, as for a user without the right to
// change it (HKEY_LOCAL_MACHINE for most). Tests take that path with it; the program never sets it.
void SetRegRootReadOnly(RegRoot root, bool readOnly);
