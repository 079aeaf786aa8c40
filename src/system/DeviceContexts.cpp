#include "system/DeviceContexts.h"

SkinDC::SkinDC(HDC compatibleWith, GdiBitmap bitmap) : dc_(compatibleWith) {
    if (!dc_) return;
    bitmap_ = std::move(bitmap);
    original_ = SelectObject(dc_, bitmap_.get());
}

SkinDC::SkinDC(SkinDC&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      dc_(std::move(other.dc_)),
      original_(std::exchange(other.original_, nullptr)) {}

// What this held goes at the end of the call, its DC before its bitmap.
SkinDC& SkinDC::operator=(SkinDC&& other) noexcept {
    if (this != &other) {
        SkinDC gone(std::move(*this));
        bitmap_ = std::move(other.bitmap_);
        dc_ = std::move(other.dc_);
        original_ = std::exchange(other.original_, nullptr);
    }
    return *this;
}

SkinDC::~SkinDC() {
    if (dc_ && original_) SelectObject(dc_, original_);
}
