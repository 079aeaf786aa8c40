#pragma once
// Text that one thread replaces while others copy it.
#include <mutex>
#include <string>

class SharedText {
public:
    SharedText& operator=(std::string text) {
        const std::lock_guard lock(mutex_);
        text_ = std::move(text);
        return *this;
    }
    operator std::string() const {
        const std::lock_guard lock(mutex_);
        return text_;
    }
    void clear() { *this = std::string(); }

private:
    mutable std::mutex mutex_;
    std::string text_;
};
