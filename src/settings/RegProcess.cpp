#include "settings/RegProcess.h"

#include "settings/RegStore.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

std::set<RegRoot>& ReadOnlyRoots() {
    static std::set<RegRoot> roots;
    return roots;
}

bool IsWritable(RegRoot root) { return !ReadOnlyRoots().contains(root); }

bool Write(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t type, const void* data,
           std::size_t size) {
    return IsWritable(root) && regstore::Write(root, keyPath, name, type, data, size);
}

}  // namespace

bool SaveRegValue(RegRoot root, std::string_view keyPath, std::string_view name, RegType type,
                  std::string_view value) {
    switch (type) {
    case RegType::Text: return Write(root, keyPath, name, 1, value.data(), value.size());
    case RegType::Number: {
        const auto number = ParseNumber(value);
        return number && SaveRegValue(root, keyPath, name, type, *number);
    }
    default: return true;
    }
}

bool SaveRegValue(RegRoot root, std::string_view keyPath, std::string_view name, RegType type,
                  std::int32_t value) {
    if (type == RegType::Text) return SaveRegValue(root, keyPath, name, type, std::to_string(value));
    if (type != RegType::Number) return true;
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t data[4] = {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                                  std::uint8_t(bits >> 24)};
    return Write(root, keyPath, name, 4, data, sizeof data);
}

bool SaveRegBinary(RegRoot root, std::string_view keyPath, std::string_view name,
                   const std::uint8_t* data, std::size_t size) {
    return Write(root, keyPath, name, 3, data, size);
}

RegValue GetRegValue(RegRoot root, std::string_view keyPath, std::string_view name) {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    switch (regstore::Read(root, keyPath, name, type, data)) {
    case regstore::Found::KeyMissing: return RegValue::KeyMissing();
    case regstore::Found::ValueMissing: return RegValue::NoValue();
    case regstore::Found::Value: break;
    }
    switch (type) {
    case 1: {
        // Stored with or without a terminator: the text ends at the first zero byte.
        const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
        return RegValue::FromText(std::string(data.begin(), end));
    }
    case 3: return RegValue::FromBytes(std::move(data));
    case 4: {
        if (data.size() != 4) return RegValue::NoValue();
        const std::uint32_t bits = data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t(data[3]) << 24;
        return RegValue::FromText(std::to_string(static_cast<std::int32_t>(bits)));
    }
    default: return RegValue::NoValue();
    }
}

void DeleteRegKey(RegRoot root, std::string_view parentPath, std::string_view subkey) {
    if (IsWritable(root)) regstore::DeleteKey(root, parentPath, subkey);
}

void DeleteRegValue(RegRoot root, std::string_view keyPath, std::string_view name) {
    if (IsWritable(root)) regstore::DeleteValue(root, keyPath, name);
}

void SetRegRootReadOnly(RegRoot root, bool readOnly) {
    if (readOnly)
        ReadOnlyRoots().insert(root);
    else
        ReadOnlyRoots().erase(root);
}
