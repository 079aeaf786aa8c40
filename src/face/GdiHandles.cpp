#include "face/GdiHandles.h"

SkinDC::SkinDC(HDC compatibleWith, GdiBitmap bitmap) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (!dc_) return;
    bitmap_ = std::move(bitmap);
    original_ = SelectObject(dc_, bitmap_.get());
}

SkinDC::SkinDC(SkinDC&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      original_(std::exchange(other.original_, nullptr)),
      bitmap_(std::move(other.bitmap_)) {}

SkinDC& SkinDC::operator=(SkinDC&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = std::exchange(other.dc_, nullptr);
        original_ = std::exchange(other.original_, nullptr);
        bitmap_ = std::move(other.bitmap_);
    }
    return *this;
}

SkinDC::~SkinDC() { Release(); }

void SkinDC::Release() {
    if (dc_) {
        if (original_) SelectObject(dc_, original_);
        DeleteDC(dc_);
    }
    dc_ = nullptr;
    original_ = nullptr;
    bitmap_.reset();
}
