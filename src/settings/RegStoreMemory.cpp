#include "settings/RegStoreMemory.h"
#include "settings/RegStore.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>

namespace {

struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// Keys and value names compare without case, as in the registry.
std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return folded;
}

std::string KeyId(RegRoot root, std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::to_string(std::uint32_t(root)) + '\\' + Folded(path);
}

std::map<std::string, std::map<std::string, StoredValue>>& Keys() {
    static std::map<std::string, std::map<std::string, StoredValue>> keys;
    return keys;
}

std::map<std::string, StoredValue>* FindKey(RegRoot root, std::string_view path) {
    const auto key = Keys().find(KeyId(root, path));
    return key == Keys().end() ? nullptr : &key->second;
}

std::map<std::string, StoredValue>& CreateKey(RegRoot root, std::string_view path) {
    const std::string id = KeyId(root, path);
    for (auto slash = id.find('\\'); slash != std::string::npos; slash = id.find('\\', slash + 1))
        Keys()[id.substr(0, slash)];
    return Keys()[id];
}

}  // namespace

void RegMemoryReset() { Keys().clear(); }

std::string RegMemoryDump() {
    std::string dump;
    for (const auto& [key, values] : Keys()) {
        dump += key + '\n';
        for (const auto& [name, value] : values) {
            dump += "  " + name + ' ' + std::to_string(value.type) + ' ' + std::to_string(value.data.size()) + ' ';
            dump.append(reinterpret_cast<const char*>(value.data.data()), value.data.size());
            dump += '\n';
        }
    }
    return dump;
}

namespace regstore {

bool Write(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t type, const void* data,
           std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    CreateKey(root, keyPath)[Folded(name)] = StoredValue{type, std::vector<std::uint8_t>(bytes, bytes + size)};
    return true;
}

Found Read(RegRoot root, std::string_view keyPath, std::string_view name, std::uint32_t& type,
           std::vector<std::uint8_t>& data) {
    const auto* key = FindKey(root, keyPath);
    if (!key) return Found::KeyMissing;
    const auto value = key->find(Folded(name));
    if (value == key->end()) return Found::ValueMissing;
    type = value->second.type;
    data = value->second.data;
    return Found::Value;
}

void DeleteKey(RegRoot root, std::string_view parentPath, std::string_view subkey) {
    if (!FindKey(root, parentPath) || subkey.empty()) return;
    const std::string id = KeyId(root, std::string(parentPath) + '\\' + std::string(subkey));
    const auto key = Keys().find(id);
    if (key == Keys().end()) return;
    const auto next = std::next(key);
    const bool hasChildren = next != Keys().end() && next->first.compare(0, id.size() + 1, id + '\\') == 0;
    if (!hasChildren) Keys().erase(key);
}

void DeleteValue(RegRoot root, std::string_view keyPath, std::string_view name) {
    if (auto* key = FindKey(root, keyPath)) key->erase(Folded(name));
}

}  // namespace regstore
