#include "face/Skin.h"

#include "face/BitmapHeader.h"
#include "face/ClockSize.h"
#include "face/DCPixels.h"
#include "face/EnlargedBitmap.h"
#include "face/SkinRules.h"

#include <exception>
#include <fstream>

namespace {

SkinDC Enlarged(HDC source, int multiple) {
    GdiBitmap big = EnlargedBitmap(source, multiple);
    return big ? SkinDC(nullptr, std::move(big)) : SkinDC();
}

}  // namespace

// The system loads only what the header check let through: a header can promise far more pixels than its file has.
GdiBitmap LoadSkinPicture(const SkinFile& file) {
    if (file.path.empty())
        return GdiBitmap(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(file.builtInId), IMAGE_BITMAP, 0, 0, 0)));
    std::ifstream stream(file.path, std::ios::binary);
    std::vector<std::uint8_t> head(kBitmapHeadBytes);
    stream.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    head.resize(std::size_t(stream.gcount()));
    stream.clear();
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    if (size <= 0 || !CheckBitmapHeader(head, std::uint64_t(size))) return GdiBitmap();
    return GdiBitmap(static_cast<HBITMAP>(LoadImageA(nullptr, file.path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

Skin::Skin(GdiBitmap background, GdiBitmap timeStrip) {
    SetBackground(std::move(background));
    SetTimeStrip(std::move(timeStrip));
}

Skin::Skin(const SkinFile& background, const SkinFile& timeStrip)
    : Skin(LoadSkinPicture(background), LoadSkinPicture(timeStrip)) {}

void Skin::SetBackground(GdiBitmap picture) {
    skinBitmap_ = BITMAP{};
    shape_ = {};
    pixelsRead_ = false;
    if (picture) GetObjectA(picture, sizeof skinBitmap_, &skinBitmap_);
    back_ = picture ? SkinDC(nullptr, std::move(picture)) : SkinDC();
    if (!back_) return;
    try {
        shape_ = ScanBackground(ReadPixels(back_));
        pixelsRead_ = true;
    } catch (const std::exception&) {  // pixels too many to hold
    }
    EnlargeBackground();
}

void Skin::SetTimeStrip(GdiBitmap picture) {
    time_ = picture ? SkinDC(nullptr, std::move(picture)) : SkinDC();
    EnlargeTimeStrip();
}

void Skin::SetMultiple(int multiple) {
    if (multiple < 1 || multiple == multiple_) return;
    multiple_ = multiple;
    EnlargeBackground();
    EnlargeTimeStrip();
}

// The outline is scaled, not scanned again: the same rectangles, whatever the multiple.
void Skin::EnlargeBackground() {
    bigBack_ = multiple_ > 1 ? Enlarged(back_, multiple_) : SkinDC();
    bigShape_ = multiple_ > 1 ? ScaleShape(shape_, multiple_) : BackgroundShape();
}

void Skin::EnlargeTimeStrip() { bigTime_ = multiple_ > 1 ? Enlarged(time_, multiple_) : SkinDC(); }

bool Skin::OutlineFits() const { return pixelsRead_ && shape_.outline.size() <= kMaxOutlineRects; }
