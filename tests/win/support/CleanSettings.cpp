#include "support/CleanSettings.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Every key the program writes under the current user.
constexpr const char* kProgramKeys[] = {"Software\\Tollwick", "Software\\Marrowby Clock"};

struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

struct KeyCopy {
    std::vector<Value> values;
    std::vector<std::pair<std::string, KeyCopy>> children;
};

class OpenKey {
public:
    OpenKey(HKEY parent, const std::string& path, bool create) {
        const LONG result =
            create ? RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                   : RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

KeyCopy Copy(HKEY key) {
    KeyCopy copy;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Value value{name, type, std::vector<BYTE>(size)};
        nameLength = sizeof name;
        RegEnumValueA(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        copy.values.push_back(std::move(value));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const OpenKey child(key, name, false);
        if (child.get()) copy.children.emplace_back(name, Copy(child.get()));
    }
    return copy;
}

void Write(HKEY key, const KeyCopy& copy) {
    for (const Value& value : copy.values)
        RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(), DWORD(value.data.size()));
    for (const auto& [name, child] : copy.children) {
        const OpenKey created(key, name, true);
        if (created.get()) Write(created.get(), child);
    }
}

}  // namespace

struct CleanSettings::Saved {
    std::vector<std::pair<std::string, KeyCopy>> keys;  // only those that existed
};

CleanSettings::CleanSettings() : saved_(std::make_unique<Saved>()) {
    for (const char* path : kProgramKeys) {
        const OpenKey key(HKEY_CURRENT_USER, path, false);
        if (key.get()) saved_->keys.emplace_back(path, Copy(key.get()));
        RegDeleteTreeA(HKEY_CURRENT_USER, path);
    }
}

CleanSettings::~CleanSettings() {
    for (const char* path : kProgramKeys) RegDeleteTreeA(HKEY_CURRENT_USER, path);
    for (const auto& [path, copy] : saved_->keys) {
        const OpenKey key(HKEY_CURRENT_USER, path, true);
        if (key.get()) Write(key.get(), copy);
    }
}
