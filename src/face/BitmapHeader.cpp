#include "face/BitmapHeader.h"

#include "face/SkinRules.h"

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t Read(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

bool IsKnownInfoSize(std::uint32_t size) {
    return size == kCoreHeaderBytes || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool FitsCompression(std::uint32_t compression, std::uint32_t bits, bool topDown) {
    switch (compression) {
        case kRgb:
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kRle8:
            return bits == 8 && !topDown;
        case kRle4:
            return bits == 4 && !topDown;
        case kBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

}  // namespace

std::optional<BitmapSize> CheckBitmapHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    if (head.size() < kFileHeaderBytes + 4 || head[0] != 'B' || head[1] != 'M') return std::nullopt;
    const std::uint32_t infoSize = Read(head, 14, 4);
    if (!IsKnownInfoSize(infoSize) || head.size() < kFileHeaderBytes + infoSize) return std::nullopt;
    const bool core = infoSize == kCoreHeaderBytes;

    // Core headers hold unsigned 16-bit sizes, the others signed 32-bit ones.
    const auto size = [&](std::size_t coreAt, std::size_t infoAt) {
        return core ? std::int64_t(Read(head, coreAt, 2)) : std::int64_t(std::int32_t(Read(head, infoAt, 4)));
    };
    const std::int64_t width = size(18, 18);
    const std::int64_t signedHeight = size(20, 22);
    const std::uint32_t planes = Read(head, core ? 22 : 26, 2);
    const std::uint32_t bits = Read(head, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? kRgb : Read(head, 30, 4);
    const std::uint32_t colourCount = core ? 0 : Read(head, 46, 4);
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (planes != 1 || !FitsCompression(compression, bits, signedHeight < 0)) return std::nullopt;
    if (!CanHoldSkin(width, height)) return std::nullopt;

    // The colour table (or the three masks a plain information header leaves to follow it), then the pixels.
    const std::uint64_t fullTable = bits <= 8 ? std::uint64_t(1) << bits : 0;
    if (bits <= 8 && colourCount > fullTable) return std::nullopt;
    const std::uint64_t colours = colourCount ? colourCount : fullTable;
    const std::uint64_t masks = compression == kBitFields && infoSize == 40 ? 12 : 0;
    const std::uint64_t tableEnd = kFileHeaderBytes + infoSize + masks + colours * (core ? 3 : 4);
    const std::uint64_t pixelsAt = Read(head, 10, 4);
    if (pixelsAt < tableEnd || pixelsAt >= fileSize) return std::nullopt;
    const std::uint64_t available = fileSize - pixelsAt;
    if (compression == kRgb || compression == kBitFields) {
        const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
        if (stride * std::uint64_t(height) > available) return std::nullopt;
    }
    return BitmapSize{int(width), int(height)};
}
